#pragma once

#include "DialogFixture.h"
#include "Vexbus/Vexbus.h"
#include "VexbusDlgProbe.h"
#include "tqRegs/UnknownRegister.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// USB transfers of one single-byte read, for aiming an injected fault.
constexpr unsigned kTransfersPerRead = 2;

// The main dialog over the emulated adapter, no current register set yet, and a folder of its
// own for the files the test saves. The log is read from where the test began.
class FilesFixture : public DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        theApp.m_pRegister = nullptr;
        std::string pattern = (std::filesystem::temp_directory_path() / "vexbus-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        logStart = Probe(*dlg).Log()->GetItemCount();
    }

    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
        theApp.m_pRegister = nullptr;
        DialogFixture::TearDown();
    }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    static std::string Contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void WriteFile(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    std::vector<std::string> LogLines() const
    {
        std::vector<std::string> lines;
        for (int i = logStart; i < Probe(*dlg).Log()->GetItemCount(); ++i)
            lines.push_back(Probe(*dlg).Log()->GetItemText(i));
        return lines;
    }

    // Only what happens from here on counts.
    void Restart()
    {
        logStart = Probe(*dlg).Log()->GetItemCount();
        ui.boxes.clear();
        ui.fileRequests.clear();
        emulator.ClearLog();
    }

    // Sets the width and the range edits as the program would, past the typing limits.
    void SetRange(bool wide, const char* start, const char* end, const char* slave)
    {
        Click(wide ? CVexbusDlg::IDC_16BITS : CVexbusDlg::IDC_8BITS);
        Edit(CVexbusDlg::IDC_START_ADDR)->setText(QString::fromLatin1(start));
        Edit(CVexbusDlg::IDC_END_ADDR)->setText(QString::fromLatin1(end));
        Edit(CVexbusDlg::IDC_SLAVE_ADDR)->setText(QString::fromLatin1(slave));
    }

    // Clicks Save (or Save Logs, Load) with the file dialog answering path.
    void ClickWithFile(int button, const std::string& path)
    {
        ui.fileNames.push_back(path);
        Click(button);
    }

    std::filesystem::path folder;
    int logStart = 0;
};
