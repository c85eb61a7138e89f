#pragma once

#include "DialogFixture.h"
#include "VexbusDlgProbe.h"

#include <QColor>
#include <QPalette>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

// The main dialog over the emulated adapter with a folder of its own for the files of a test.
class FaultFixture : public DialogFixture {
protected:
    static constexpr const char* kConnected = "CH341已连接!";
    static constexpr const char* kDisconnected = "CH341未连接!";

    void SetUp() override
    {
        DialogFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    std::string Path(const std::string& name) const
    {
        return folder.filePath(QString::fromStdString(name)).toStdString();
    }

    std::string WriteFile(const std::string& name, const std::string& content) const
    {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    // Clicks the button with the file dialog answered by the path; returns when the operation
    // is over.
    void ClickWithFile(int id, const std::string& path)
    {
        ui.fileNames.push_back(path);
        Button(id)->click();
    }

    std::vector<std::string> Log() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < Probe(*dlg).Log()->GetItemCount(); ++i)
            lines.push_back(Probe(*dlg).Log()->GetItemText(i));
        return lines;
    }

    // The lines logged since `from` lines were there.
    std::vector<std::string> LogFrom(std::size_t from) const
    {
        const std::vector<std::string> lines = Log();
        return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())), lines.end()};
    }

    std::string Status() const { return Probe(*dlg).Status()->text().toStdString(); }
    QColor StatusColor() const { return Probe(*dlg).Status()->palette().color(QPalette::WindowText); }

    QTemporaryDir folder;
};
