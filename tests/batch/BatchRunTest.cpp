#include "BatchFixture.h"

#include <ostream>

namespace {

enum class Cancel { None, Click, Escape };

// One line the window showed while a "pause" box was up.
struct Shown {
    std::string box;
    std::string text;
    int position;
};

struct RunCase {
    const char* name;
    std::string file;
    int range; // the upper end of the bar, as seen at the boxes
    std::vector<Shown> shown;
    // The lines the run logs; each "i2cw" line must also be a write on the bus.
    std::vector<std::string> log;
    // Made while the last box is up, so that the pump of the next line dispatches it.
    Cancel cancel = Cancel::None;
};

void PrintTo(const RunCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string Repeat(char c, std::size_t n)
{
    return std::string(n, c);
}

std::string TenLines(bool lastLineFeed)
{
    std::string file;
    for (int n = 1; n <= 9; ++n)
        file += "i2cw 1a 0" + std::to_string(n) + " 0" + std::to_string(n) + "\n";
    return file + (lastLineFeed ? "pause ten\n" : "pause ten");
}

std::vector<std::string> TenLinesLog()
{
    std::vector<std::string> log;
    for (int n = 1; n <= 9; ++n)
        log.push_back("i2cw 1a 0" + std::to_string(n) + " 0" + std::to_string(n));
    return log;
}

const RunCase kRuns[] = {
    {"TenLinesEndingInALineFeed", TenLines(true), 11, {{" ten", "Writing line 10 - pause ten\n", 10}}, TenLinesLog()},
    {"TenLinesWithoutTheLastLineFeed",
     TenLines(false),
     10,
     {{" ten", "Writing line 10 - pause ten", 10}},
     TenLinesLog()},
    {"EmptyFile", "", 1, {}, {}},
    {"ForwardGotoSkipsLinesAndRunsTheLabelsCommandUnshown",
     "i2cw 1a 10 01\nGoTo Skip\ni2cw 1a 11 02\nskip: i2cw 1a 12 03\npause end\n",
     6,
     {{" end", "Writing line 3 - pause end\n", 3}},
     {"i2cw 1a 10 01", "i2cw 1a 12 03"}},
    {"BackwardGotoLoopsUntilCancelled",
     "top: i2cw 1a 20 01\npause pass\ngoto TOP\ni2cw 1a 21 02\n",
     5,
     {{" pass", "Writing line 2 - pause pass\n", 2},
      {" pass", "Writing line 4 - pause pass\n", 4},
      {" pass", "Writing line 6 - pause pass\n", 6}},
     {"i2cw 1a 20 01", "i2cw 1a 20 01", "i2cw 1a 20 01"},
     Cancel::Click},
    {"GotoTakesTheFirstMatchingLabelFromTheTop",
     "goto a\nb: pause upper\na: i2cw 1a 30 01\ngoto B\nb: pause lower\n",
     6,
     {{" upper", "Writing line 2 - goto B\n", 2}},
     {"i2cw 1a 30 01"},
     Cancel::Click},
    {"MissingLabelEndsTheRun",
     "i2cw 1a 40 01\ngoto nowhere\ni2cw 1a 41 02\nrem nowhere:\nnowhere i2cw 1a 42 03\n",
     6,
     {},
     {"i2cw 1a 40 01"}},
    {"GotoWithoutATargetDoesNotJump",
     "start: i2cw 1a 48 01\ngoto \t \ni2cw 1a 49 02\n",
     4,
     {},
     {"i2cw 1a 48 01", "i2cw 1a 49 02"}},
    {"LabelLinesRunOnlyTheirCommand",
     "x: i2cw 1a 50 01\n\n  indented: i2cw 1a 51 02\nagain: goto x\nalone:\npause e\n",
     7,
     {{" e", "Writing line 6 - pause e\n", 6}},
     {"i2cw 1a 50 01", "i2cw 1a 51 02", "*** Unknown cmd goto x ***"}},
    // The label's command would start past the end of the text read: nothing of the line
    // before may run in its place.
    {"LastLineLabelWithoutLineFeedRunsNothing", "rem  i2cw 1a 60 01\nend:", 2, {}, {}},
    {"LastLineLabelWithLineFeedRunsNothing", "rem  i2cw 1a 60 01\nend:\n", 3, {}, {}},
    {"LabelFillingAWholePieceRunsNothing",
     "rem  i2cw 1a 61 01\n" + Repeat('L', 253) + ":\npause after\n",
     5,
     {{" after", "Writing line 4 - pause after\n", 4}},
     {}},
    {"LineOf300CharactersRunsAsPiecesOf254And46",
     "pause " + Repeat('a', 294) + "\npause next\n",
     4,
     {{" " + Repeat('a', 248), "Writing line 1 - pause " + Repeat('a', 248), 1},
      {" next", "Writing line 3 - pause next\n", 3}},
     {"*** Unknown cmd " + Repeat('a', 46) + " ***"}},
    {"LineOf254CharactersIsFollowedByItsLineFeedAlone",
     "pause " + Repeat('b', 248) + "\npause next\n",
     4,
     {{" " + Repeat('b', 248), "Writing line 1 - pause " + Repeat('b', 248), 1},
      {" next", "Writing line 3 - pause next\n", 3}},
     {}},
    // 253 characters and CR LF make one piece, as a text-mode read gives it.
    {"CarriageReturnLineFeedReadsAsLineFeed",
     "i2cw 1a 70 01\r\npause " + Repeat('c', 247) + "\r\ngoto x\r\ni2cw 1a 71 02\r\nX:\r\npause done\r\n",
     7,
     {{" " + Repeat('c', 247), "Writing line 2 - pause " + Repeat('c', 247) + "\n", 2},
      {" done", "Writing line 4 - pause done\n", 4}},
     {"i2cw 1a 70 01"}},
    {"PercentSignsAreShownAsTheyAre",
     "pause 50% done %s%n%d\n",
     2,
     {{" 50% done %s%n%d", "Writing line 1 - pause 50% done %s%n%d\n", 1}},
     {}},
    {"CancelClickDispatchedByThePumpOfLineFiveStopsBeforeItRuns",
     "i2cw 1a a1 01\ni2cw 1a a2 02\ni2cw 1a a3 03\npause four\ni2cw 1a a5 05\ni2cw 1a a6 06\n",
     7,
     {{" four", "Writing line 4 - pause four\n", 4}},
     {"i2cw 1a a1 01", "i2cw 1a a2 02", "i2cw 1a a3 03"},
     Cancel::Click},
    {"EscapeDispatchedByThePumpOfLineFiveStopsBeforeItRuns",
     "i2cw 1a b1 01\ni2cw 1a b2 02\ni2cw 1a b3 03\npause four\ni2cw 1a b5 05\ni2cw 1a b6 06\n",
     7,
     {{" four", "Writing line 4 - pause four\n", 4}},
     {"i2cw 1a b1 01", "i2cw 1a b2 02", "i2cw 1a b3 03"},
     Cancel::Escape},
};

const std::string kMark = "\xEF\xBB\xBF";

// A CR alone ends a line as a LF or a CR LF does, also where the piece limit falls; a UTF-8
// byte-order mark at the start of the file is no part of its first line.
const RunCase kLineEnds[] = {
    {"LoneCarriageReturnsEndLines",
     "i2cw 1a 10 06\rdelay 10\ri2cw 1a 11 07\rpause end\r",
     5,
     {{" end", "Writing line 4 - pause end\n", 4}},
     {"i2cw 1a 10 06", "i2cw 1a 11 07"}},
    {"MixedLineEnds",
     "i2cw 1a 20 01\r\ni2cw 1a 21 02\ri2cw 1a 22 03\n\ri2cw 1a 23 04\rpause end",
     6,
     {{" end", "Writing line 6 - pause end", 6}},
     {"i2cw 1a 20 01", "i2cw 1a 21 02", "i2cw 1a 22 03", "i2cw 1a 23 04"}},
    {"CarriageReturnAtThePieceLimit",
     "pause " + Repeat('c', 247) + "\ri2cw 1a 30 01\r",
     3,
     {{" " + Repeat('c', 247), "Writing line 1 - pause " + Repeat('c', 247) + "\n", 1}},
     {"i2cw 1a 30 01"}},
    {"CarriageReturnAfterAFullPieceIsItsLineEnd",
     "pause " + Repeat('d', 248) + "\ri2cw 1a 31 01\rpause end\r",
     5,
     {{" " + Repeat('d', 248), "Writing line 1 - pause " + Repeat('d', 248), 1},
      {" end", "Writing line 4 - pause end\n", 4}},
     {"i2cw 1a 31 01"}},
    {"BackwardGotoBetweenLoneCarriageReturns",
     "i2cw 1a 60 01\rback: pause pass\rgoto back\ri2cw 1a 61 02\r",
     5,
     {{" pass", "Writing line 2 - back: pause pass\n", 2}, {" pass", "Writing line 3 - goto back\n", 3}},
     {"i2cw 1a 60 01"},
     Cancel::Click},
    {"ByteOrderMarkIsSkipped",
     kMark + "i2cw 1a 40 03\rpause end\r",
     3,
     {{" end", "Writing line 2 - pause end\n", 2}},
     {"i2cw 1a 40 03"}},
    {"GotoFindsALabelRightAfterTheByteOrderMark",
     kMark + "top: i2cw 1a 41 01\r\npause pass\r\ngoto TOP\r\ni2cw 1a 42 02\r\n",
     5,
     {{" pass", "Writing line 2 - pause pass\n", 2}, {" pass", "Writing line 4 - pause pass\n", 4}},
     {"i2cw 1a 41 01", "i2cw 1a 41 01"},
     Cancel::Click},
};

class BatchRunTest : public BatchFixture, public testing::WithParamInterface<RunCase> {
protected:
    static std::string Caption(int position, int range)
    {
        const int percent = position * 100 / range;
        return percent == 0 ? kTitle : std::string(kTitle) + " [" + std::to_string(percent) + "%]";
    }
};

} // namespace

TEST_P(BatchRunTest, RunsTheFileLineByLineUnderTheProgressWindow)
{
    const RunCase& c = GetParam();
    const std::string path = WriteFile("run.bat", c.file);
    atBox = [&c, this](int boxes) {
        if (boxes != static_cast<int>(c.shown.size()) || c.cancel == Cancel::None)
            return;
        QWidget* popup = Popup();
        ASSERT_NE(popup, nullptr);
        if (c.cancel == Cancel::Click)
            PostClick(CancelButton(popup));
        else
            PostKey(popup, Qt::Key_Escape, QStringLiteral("\x1b"));
    };

    Load(path);

    ASSERT_EQ(seen.size(), c.shown.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE("box " + std::to_string(i + 1));
        const Shown& want = c.shown[i];
        EXPECT_EQ(seen[i].box, want.box);
        EXPECT_EQ(seen[i].text, want.text);
        EXPECT_EQ(seen[i].maximum, c.range);
        EXPECT_EQ(seen[i].value, std::min(want.position, c.range));
        EXPECT_EQ(seen[i].caption, Caption(want.position, c.range));
        EXPECT_TRUE(seen[i].visible);
    }
    EXPECT_EQ(RunLog(path), c.log);

    std::vector<std::string> writes;
    for (const std::string& line : c.log)
        if (line.rfind("i2cw ", 0) == 0)
            writes.push_back(line.substr(5));
    EXPECT_EQ(Writes(), writes);
    EXPECT_EQ(Popup(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Files, BatchRunTest, testing::ValuesIn(kRuns),
                         [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(LineEnds, BatchRunTest, testing::ValuesIn(kLineEnds),
                         [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });
