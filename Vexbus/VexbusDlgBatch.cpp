// Load and the batch runner of the main dialog.
#include "Vexbus/VexbusDlg.h"

#include "Vexbus/BatchFile.h"
#include "Vexbus/RunEscape.h"
#include "platform/PlainFile.h"
#include "platform/TextScan.h"
#include "platform/UiServices.h"
#include "widgets/ProgressWnd.h"

#include <QLabel>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>
#include <unordered_map>

namespace {

// The command of a label line: what follows the blank after the label's colon. Null where the
// line ends at the colon or right after it.
char* LabelCommand(char* line, const char* labelEnd)
{
    const std::size_t at = static_cast<std::size_t>(labelEnd - line) + 1;
    return at < std::strlen(line) ? line + at : nullptr;
}

// The labels of the line pieces read so far, so that a jump need not read the file again from
// its top: that made a file of label and goto pairs cost the square of its length. A jump goes
// to the first piece in file order whose first word is the label, case ignored, as a search
// from the top finds it; a label not passed yet is searched for from the first piece not
// indexed on.
class LabelIndex {
public:
    // The index of a file whose first line starts at top.
    explicit LabelIndex(long top) : m_end(top) {}

    // Indexes the piece from start to end, unless it was indexed already.
    void Passed(const std::string& first, long start, long end)
    {
        if (start < m_end)
            return;
        if (!first.empty() && first.back() == ':')
            m_first.try_emplace(Folded(first), start);
        m_end = end;
    }

    // Where to read on for the label: the piece that carries it, or the first piece not indexed.
    long Seek(const std::string& label) const
    {
        const auto it = m_first.find(Folded(label));
        return it == m_first.end() ? m_end : it->second;
    }

private:
    // Case folded as the comparison of labels folds it.
    static std::string Folded(std::string word)
    {
        for (char& c : word)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return word;
    }

    std::unordered_map<std::string, long> m_first;
    long m_end;
};

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

    std::FILE* file = OpenPlainFile(*path, PlainFileMode::Read);
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
    RewindToFirstLine(file);
    const long long readCount = CountReads(file);
    const long top = RewindToFirstLine(file);

    CProgressWnd wnd(this, "Write to target machine", false);
    wnd.SetRange(0, static_cast<int>(std::min<long long>(readCount, INT_MAX)), 1);
    m_pBatch = &wnd;
    m_bStopBatch = false;
    auto* escape = new RunEscape(this);

    std::string target;
    bool seeking = false;
    long long lineNumber = 0;
    LabelIndex labels(top);
    long start = top; // of the next piece
    while (ReadPiece(line, file)) {
        const long end = std::ftell(file);
        const char* p = line;
        const std::string first = NextWord(p);
        labels.Passed(first, start, end);
        start = end;
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
            start = labels.Seek(target);
            std::fseek(file, start, SEEK_SET);
            seeking = true;
        } else if (first.back() == ':') {
            if (char* command = LabelCommand(line, p))
                ExecuteCommand(command);
        } else {
            ExecuteCommand(line);
        }
    }
    escape->RunEnded();
    m_pBatch = nullptr;
}
