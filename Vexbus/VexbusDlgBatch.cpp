// Load and the batch runner of the main dialog.
#include "VexbusDlg.h"

#include "BatchFile.h"
#include "ProgressWnd.h"
#include "TextScan.h"
#include "UiServices.h"

#include <QLabel>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>

namespace {

// The command of a label line: what follows the blank after the label's colon. Null where the
// line ends at the colon or right after it.
char* LabelCommand(char* line, const char* labelEnd)
{
    const std::size_t at = static_cast<std::size_t>(labelEnd - line) + 1;
    return at < std::strlen(line) ? line + at : nullptr;
}

} // namespace

void CVexbusDlg::OnLoad()
{
    if (m_pBatch)
        return; // one batch at a time: a click dispatched by the running batch's pump
    DetectChip();

    FileDialogRequest request;
    request.open = true;
    request.defaultExt = "txt";
    request.initialName = "load";
    request.filter = "All Files (*.*)|*.*|Text File(*.txt)|*.txt|Batch File(*.bat)|*.bat|";
    const std::optional<std::string> path = UiFileDialog(request);
    if (!path)
        return;

    std::FILE* file = std::fopen(path->c_str(), "r");
    if (!file) {
        UiMessageBox("Open file failed", "Error", MB_OK);
        return;
    }
    m_pLoadPath->setText(QString::fromStdString(*path));
    AddLog(*path);
    AddLog("start to load bat file -- " + *path);
    RunBatch(file);
    std::fclose(file);
    AddLog("#### OK ####  load bat file done -- " + *path);

    if (m_closeRequest) {
        const int result = *m_closeRequest;
        m_closeRequest.reset();
        QDialog::done(result);
    }
}

void CVexbusDlg::done(int result)
{
    if (m_pBatch) {
        m_bStopBatch = true;
        m_closeRequest = result;
        return;
    }
    QDialog::done(result);
}

void CVexbusDlg::RunBatch(std::FILE* file)
{
    char line[kLineBuffer];

    // Wider than the window's int: a huge file, or a goto loop left running for days, must not
    // overflow the counts.
    std::rewind(file);
    const long long readCount = CountReads(file);
    std::rewind(file);

    CProgressWnd wnd(this, "Write to target machine", false);
    wnd.SetRange(0, static_cast<int>(std::min<long long>(readCount, INT_MAX)), 1);
    m_pBatch = &wnd;
    m_bStopBatch = false;

    std::string target;
    bool seeking = false;
    long long lineNumber = 0;
    while (ReadPiece(line, file)) {
        const char* p = line;
        const std::string first = NextWord(p);
        if (seeking) {
            if (strcasecmp(first.c_str(), target.c_str()) == 0) {
                seeking = false;
                if (char* command = LabelCommand(line, p))
                    ExecuteCommand(command);
            }
            continue;
        }

        ++lineNumber;
        wnd.SetText("Writing line %lld - %s", lineNumber, line);
        wnd.StepIt();
        wnd.PumpMessages(true);
        if (wnd.IsCancelled() || m_bStopBatch)
            break;

        if (first.empty())
            continue;
        if (strcasecmp(first.c_str(), "goto") == 0) {
            const std::string label = NextWord(p);
            if (label.empty())
                continue; // no target: no jump
            target = label + ":";
            std::rewind(file);
            seeking = true;
        } else if (first.back() == ':') {
            if (char* command = LabelCommand(line, p))
                ExecuteCommand(command);
        } else {
            ExecuteCommand(line);
        }
    }
    m_pBatch = nullptr;
}
