// A jump goes to the label that a search from the top of the file finds: the first line piece in
// file order whose first word is the label, case ignored. Generated files compare the runner with
// such a search, written out plainly here.
#include "BatchFixture.h"
#include "Vexbus/BatchFile.h"

#include <QEvent>

#include <cctype>
#include <random>
#include <strings.h>

namespace {

const QEvent::Type kPump = static_cast<QEvent::Type>(QEvent::registerEventType());

// Clicks Cancel in the progress window at its given pump. An event that it posts to itself
// again whenever it arrives reaches it once in each pump: one waiting while posted events go
// out waits for the next pump.
class CancelAtPump : public QObject {
public:
    explicit CancelAtPump(int pump) : m_limit(pump) { Post(); }

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != kPump)
            return;
        if (++m_pumps == m_limit) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->findChild<QProgressBar*>(QString(), Qt::FindDirectChildrenOnly))
                    w->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)->click();
            }
        }
        Post();
    }

private:
    void Post() { QCoreApplication::postEvent(this, new QEvent(kPump)); }

    int m_pumps = 0;
    int m_limit;
};

std::string Word(const char*& p)
{
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const char* start = p;
    while (*p && !std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    return std::string(start, p);
}

// What the command interpreter logs for a command of the generated files, none of which is a
// keyword: nothing for blanks, else the unknown command with the line as given.
void Execute(std::string command, std::vector<std::string>& log)
{
    while (!command.empty() && (command.back() == '\n' || command.back() == '\r'))
        command.pop_back();
    const char* p = command.c_str();
    if (!Word(p).empty())
        log.push_back("*** Unknown cmd " + command + " ***");
}

void RunLabel(const char* line, const char* labelEnd, std::vector<std::string>& log)
{
    const std::size_t at = static_cast<std::size_t>(labelEnd - line) + 1;
    if (at < std::strlen(line))
        Execute(line + at, log);
}

// The log of a run in which every jump reads the file again from its top, up to the line whose
// pump is `cancelAt` (that line does not run); `jumps` counts the jumps made.
std::vector<std::string> SearchFromTheTop(const std::string& path, int cancelAt, int& jumps)
{
    std::vector<std::string> log;
    std::FILE* file = std::fopen(path.c_str(), "r");
    RewindToFirstLine(file);
    char line[kLineBuffer];
    std::string target;
    bool seeking = false;
    int shown = 0;
    while (ReadPiece(line, file)) {
        const char* p = line;
        const std::string first = Word(p);
        if (seeking) {
            if (strcasecmp(first.c_str(), target.c_str()) == 0) {
                seeking = false;
                ++jumps;
                RunLabel(line, p, log);
            }
            continue;
        }
        if (++shown == cancelAt)
            break;
        if (first.empty())
            continue;
        if (strcasecmp(first.c_str(), "goto") == 0) {
            const std::string label = Word(p);
            if (label.empty())
                continue;
            target = label + ":";
            RewindToFirstLine(file);
            seeking = true;
        } else if (first.back() == ':') {
            RunLabel(line, p, log);
        } else {
            Execute(line, log);
        }
    }
    std::fclose(file);
    return log;
}

// Labels from a few names in mixed case, so that they repeat; commands numbered so that every
// run line can be told apart; pieces of long lines that begin with a label; CR LF and lone CR
// line ends; a byte-order mark before some files' first line.
std::string Generate(std::mt19937& random, int lines)
{
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    int command = 0;
    const auto next = [&command] { return "c" + std::to_string(++command); };
    const auto label = [&pick] {
        std::string name = "Lab" + std::to_string(pick(6));
        for (char& c : name)
            if (pick(3) == 0)
                c = static_cast<char>(std::islower(static_cast<unsigned char>(c)) ? std::toupper(c) : std::tolower(c));
        return name;
    };
    std::string file = pick(3) == 0 ? "\xEF\xBB\xBF" : "";
    for (int i = 0; i < lines; ++i) {
        std::string line;
        switch (pick(12)) {
        case 0:
        case 1: line = next(); break;
        case 2:
        case 3: line = label() + ": " + next(); break;
        case 4: line = label() + ":"; break;
        case 5: line = std::string(pick(2) ? "goto " : "GoTo\t") + label(); break;
        case 6: line = "goto " + label(); break;
        case 7: line = pick(2) ? "goto nowhere" : (pick(2) ? "goto" : label() + ": goto " + label()); break;
        case 8: line = pick(2) ? "" : " \t "; break;
        case 9: line = "  " + label() + ":\t" + next(); break;
        case 10: {
            // A piece of 254 characters, then one that begins with a label.
            line = next() + " ";
            line += std::string(kLineBuffer - 1 - line.size(), 'x');
            line += label() + ": " + next();
            break;
        }
        default: line = next() + " " + std::string(static_cast<std::size_t>(200 + pick(400)), 'y'); break;
        }
        file += line;
        if (i + 1 < lines || pick(2))
            file += pick(4) == 0 ? "\r\n" : (pick(4) == 0 ? "\r" : "\n");
    }
    return file;
}

TEST_F(BatchFixture, JumpsGoWhereASearchFromTheTopGoes)
{
    constexpr int kCancelAt = 400;
    std::mt19937 random(14);
    int jumps = 0;
    for (int n = 0; n < 40; ++n) {
        const std::string path = WriteFile("gen" + std::to_string(n) + ".txt", Generate(random, 30 + n));
        std::vector<std::string> expected = SearchFromTheTop(path, kCancelAt, jumps);
        {
            CancelAtPump cancel(kCancelAt);
            Load(path);
        }
        ASSERT_EQ(RunLog(path), expected) << "file " << n;
        Probe(*dlg).Log()->DeleteAllItems();
    }
    EXPECT_GT(jumps, 1000) << "the files jump back and forth, again and again";
}

} // namespace
