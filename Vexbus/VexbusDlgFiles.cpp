// Chip detection, Save, BatchRead, Save Logs and Clear of the main dialog.
#include "Vexbus/VexbusDlg.h"

#include "Vexbus/CmdArgs.h"
#include "Vexbus/ReadLimit.h"
#include "Vexbus/Vexbus.h"
#include "platform/PlainFile.h"
#include "platform/TextScan.h"
#include "platform/UiServices.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/UnknownRegister.h"
#include "widgets/LogList.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdio>
#include <filesystem>
#include <string>
#include <strings.h>

namespace {

std::uint32_t EditValue(const QLineEdit* edit)
{
    return ScanHex(edit->text().toStdString());
}

void ShowOpenFailed()
{
    UiMessageBox("Open file failed", "Error", MB_OK);
}

// Closes the file; false when anything written to it was lost (disk full, device gone).
bool CloseWritten(std::FILE* file)
{
    const bool written = std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}

} // namespace

void CVexbusDlg::DetectChip()
{
    if (g_unknownRegister.CheckChipId()) {
        char line[32];
        std::snprintf(line, sizeof line, "ChipID = %X", static_cast<unsigned>(g_pLink->GetDeviceAddress()));
        AddLog(line);
        theApp.m_pRegister = &g_unknownRegister;
    } else {
        AppMessageBox("CH341 未连接!", MB_OK);
    }
}

bool CVexbusDlg::ReadRange(std::FILE* file)
{
    const std::uint32_t start = EditValue(m_pStartEdit);
    const std::uint32_t end = EditValue(m_pEndEdit);
    const std::uint32_t slave = EditValue(m_pSlaveEdit);
    if (start > end) {
        AppMessageBox("Invalid range", MB_OK);
        return false;
    }
    std::uint64_t last = end;
    if (last - start >= kMaxReads) {
        last = start + kMaxReads - 1;
        AddLog(RangeCutLine(start, static_cast<std::uint32_t>(last), !m_p8Bits->isChecked()));
    }
    // Counted wider than the sub-address, so that a last address of FFFFFFFF ends too.
    for (std::uint64_t sub = start; sub <= last; ++sub) {
        CmdArgs args;
        args.count = 2;
        args.num1 = slave;
        args.num2 = static_cast<std::uint32_t>(sub);
        const bool eight = m_p8Bits->isChecked();
        if (eight)
            CmdI2cr(&args);
        else
            CmdI2cr16(&args);
        if (file)
            std::fprintf(file, eight ? "i2crw %02x %02x %02x\n" : "i2crw16 %02x %04x %02x\n", slave, args.num2,
                         args.num3 & 0xFF);
    }
    return true;
}

void CVexbusDlg::OnSave()
{
    DetectChip();

    FileDialogRequest request;
    request.open = false;
    request.defaultExt = "bat";
    request.initialName = "save";
    request.filter = "Batch File(*.bat)|*.bat|";
    request.overwritePrompt = true;
    const std::optional<std::string> path = UiFileDialog(request);
    if (!path)
        return;

    std::FILE* file = OpenPlainFile(*path, PlainFileMode::Write);
    if (!file) {
        ShowOpenFailed();
        return;
    }
    m_pSavePath->setText(QString::fromStdString(*path));
    AddLog(*path);
    AddLog("save to bat file -- " + *path);
    const bool read = ReadRange(file);
    if (!CloseWritten(file)) {
        UiMessageBox("Write file failed", "Error", MB_OK);
        return;
    }
    if (read)
        AddLog("save to bat file done -- " + *path);
}

void CVexbusDlg::OnBatchRead()
{
    ReadRange(nullptr);
}

void CVexbusDlg::OnSaveLogs()
{
    FileDialogRequest request;
    request.open = false;
    request.defaultExt = "txt";
    request.initialName = "log";
    request.filter = "Text File(*.txt)|*.txt|";
    request.overwritePrompt = true;
    const std::optional<std::string> path = UiFileDialog(request);
    if (!path)
        return;

    const std::string name = std::filesystem::path(*path).filename().string();
    // What follows the name's last dot, so that a name of only ".txt" has the extension "txt"
    // too (a path's own extension takes a leading dot for a hidden file's name).
    const std::size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    std::FILE* file = OpenPlainFile(*path, PlainFileMode::Write);
    if (!file) {
        ShowOpenFailed();
        return;
    }
    if (strcasecmp(extension.c_str(), "txt") != 0) {
        std::fclose(file);
        return;
    }
    AddLog("save to txt file -- " + name);
    for (int i = 0; i < m_pLogList->GetItemCount(); ++i) {
        const std::string text = m_pLogList->GetItemText(i);
        std::fwrite(text.data(), 1, text.size(), file);
        std::fputc('\n', file);
    }
    if (!CloseWritten(file)) {
        UiMessageBox("Write file failed", "Error", MB_OK);
        return;
    }
    AddLog("save to txt file done -- " + name);
}

void CVexbusDlg::OnClear()
{
    m_pLogList->DeleteAllItems();
}
