#include "CommandFixture.h"
#include "VexbusDlgProbe.h"

#include <chrono>
#include <cstring>
#include <utility>

TEST_F(CommandFixture, EnterAndReturnRunTheCommandLineAndKeepItsText)
{
    Type(CVexbusDlg::IDC_CMDLINE, QStringLiteral("i2cr 1A 10"));
    Click(CVexbusDlg::IDC_ENTER);
    EXPECT_EQ(NewLines(), (std::vector<std::string>{"i2cr 1a 10 -> 5a"}));
    EXPECT_EQ(Text(CVexbusDlg::IDC_CMDLINE), "i2cr 1A 10");

    Retype(CVexbusDlg::IDC_CMDLINE, QStringLiteral("iow 20 77"));
    QTest::keyClick(Edit(CVexbusDlg::IDC_CMDLINE), Qt::Key_Return);
    EXPECT_EQ(NewLines(), (std::vector<std::string>{"i2cr 1a 10 -> 5a", "iow 20 77"}));
    EXPECT_EQ(emulator.Slave().Paged(0, 0x20), 0x77);
    EXPECT_EQ(Text(CVexbusDlg::IDC_CMDLINE), "iow 20 77");
    // A command leaves the data edit and the bit boxes as they were.
    EXPECT_EQ(Text(CVexbusDlg::IDC_DATA), "");
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(CommandFixture, TheLineLosesItsTrailingLineEndsInPlace)
{
    char line[] = "i2cw 1a 20 77\r\n";
    EXPECT_EQ(dlg->ExecuteCommand(line), 1);
    EXPECT_STREQ(line, "i2cw 1a 20 77");
    EXPECT_EQ(emulator.Slave().Paged(0, 0x20), 0x77);

    char blanks[] = " \r\n";
    EXPECT_EQ(dlg->ExecuteCommand(blanks), 1);
    EXPECT_STREQ(blanks, " ");
}

// The box shows the line from its sixth character on, whatever stands before it; either answer
// goes on the same way.
TEST_F(CommandFixture, PauseShowsAnInformationBoxWithOkAndCancel)
{
    const std::pair<const char*, const char*> cases[] = {
        {"pause", "Press OK to continue"},
        {"PAUSE\r\n", "Press OK to continue"},
        {"pause Now power the board", " Now power the board"},
        {"pause\tready?", "\tready?"},
        {"  pause", "se"},
    };
    for (const auto& [line, text] : cases) {
        ui.boxes.clear();
        ui.answers = {IDCANCEL};
        EXPECT_EQ(Run(line), 1) << line;
        ASSERT_EQ(ui.boxes.size(), 1u) << line;
        EXPECT_EQ(ui.boxes[0].text, text);
        EXPECT_EQ(ui.boxes[0].caption, GetAppName());
        EXPECT_EQ(ui.boxes[0].type, MB_OKCANCEL | MB_ICONINFORMATION);
    }
    EXPECT_TRUE(NewLines().empty());
    EXPECT_TRUE(emulator.Transactions().empty());
    EXPECT_FALSE(Scrolled());
}

TEST_F(CommandFixture, DelayWaitsItsHexadecimalMilliseconds)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    EXPECT_EQ(Run("delay 64"), 1);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(0x64));
    EXPECT_LT(waited, std::chrono::milliseconds(0x64 * 10));

    const auto again = Clock::now();
    EXPECT_EQ(Run("DELAY"), 1);
    EXPECT_LT(Clock::now() - again, std::chrono::milliseconds(0x64));
    EXPECT_TRUE(NewLines().empty());
}

// Long waits are not cut: the wait is the number given, FFFFFFFF included.
TEST_F(CommandFixture, DelayHandsOnEveryNumberUncut)
{
    std::vector<unsigned> waits;
    ui.onSleep = [&waits](unsigned ms) { waits.push_back(ms); };
    for (const char* line : {"delay 927c1", "delay 0xffffffff", "delay 1"})
        EXPECT_EQ(Run(line), 1) << line;
    EXPECT_EQ(waits, (std::vector<unsigned>{600001u, 0xFFFFFFFFu, 1u}));
    EXPECT_TRUE(NewLines().empty());
}

// Each block is read into a cleared buffer, so a failed transfer shows 00 rather than the bytes
// of the block before it.
TEST_F(CommandFixture, ABlockWhoseTransferFailsShowsZeroes)
{
    // The USB transfers of one block, counted by the plug-in check that precedes each.
    std::size_t transfers = 0;
    emulator.SetPlugSource([&transfers] {
        ++transfers;
        return true;
    });
    ASSERT_EQ(Run("i2cr 1a 0 1 2"), 1);
    emulator.SetPlugSource({});
    ASSERT_GT(transfers, 0u);
    const std::size_t before = NewLines().size();

    emulator.ClearLog();
    emulator.FailTransfer(UsbFault::Io, static_cast<unsigned>(transfers));
    EXPECT_EQ(Run("i2cr 1a 0 3 2"), 1);
    const std::vector<std::string> lines = NewLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()),
              (std::vector<std::string>{"i2cr 1a 00 -> byte: 00 11", "i2cr 1a 00 -> byte: 01 22",
                                        "i2cr 1a 01 -> byte: 00 00", "i2cr 1a 01 -> byte: 01 00",
                                        "i2cr 1a 02 -> byte: 00 33", "i2cr 1a 02 -> byte: 01 44"}));
}

// The byte count is the fourth number's low byte for the lines as for the transfer.
TEST_F(CommandFixture, ABlockCountAboveFfReadsAndLogsItsLowByte)
{
    EXPECT_EQ(Run("i2cr 1a 0 1 1ff"), 1);
    ASSERT_EQ(emulator.Transactions().size(), 1u);
    EXPECT_EQ(emulator.Transactions()[0].read, 0xFFu);
    const std::vector<std::string> lines = NewLines();
    ASSERT_EQ(lines.size(), 0xFFu);
    EXPECT_EQ(lines.front(), "i2cr 1a 00 -> byte: 00 11");
    EXPECT_EQ(lines.back().substr(0, 23), "i2cr 1a 00 -> byte: fe ");
}

// A counted or block read stops after 0x10000 registers (blocks) and says so after its last line,
// in the words of the range read's cut; a count of exactly 0x10000 is read whole without it.
TEST_F(CommandFixture, CountedAndBlockReadsStopAfterAWholeSixteenBitSpaceAndSaySo)
{
    const struct {
        const char* line;
        const char* last; // the beginning of the last read's line
        const char* cut;  // null: not cut
    } cases[] = {
        {"i2cr 1a 00 20000", "i2cr 1a ffff -> ", "*** range cut to 0x10000 registers: 00 to ffff ***"},
        {"i2cr16 1a 0 ffffffff", "i2cr16 1a ffff -> ", "*** range cut to 0x10000 registers: 0000 to ffff ***"},
        {"i2cr 1a 10 10001 1", "i2cr 1a 1000f -> byte: 00 ", "*** range cut to 0x10000 registers: 10 to 1000f ***"},
        {"i2cr16 1a fff0 10001 1", "i2cr 1a 1ffef -> byte: 00 ",
         "*** range cut to 0x10000 registers: fff0 to 1ffef ***"},
        {"ior fe 7fffffff", "ior fd -> ", "*** range cut to 0x10000 registers: fe to 100fd ***"},
        {"ior16 0 7fffffff", "ior16 ffff -> ", "*** range cut to 0x10000 registers: 0000 to ffff ***"},
        {"i2cr 1a 00 10000", "i2cr 1a ffff -> ", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        emulator.ClearLog();
        mark = Probe(*dlg).Log()->GetItemCount();
        Probe(*dlg).Log()->verticalScrollBar()->setValue(0);
        EXPECT_EQ(Run(c.line), 1);
        EXPECT_EQ(emulator.Transactions().size(), 0x10000u);
        std::vector<std::string> lines = NewLines();
        ASSERT_EQ(lines.size(), c.cut ? 0x10001u : 0x10000u);
        if (c.cut) {
            EXPECT_EQ(lines.back(), c.cut);
            EXPECT_TRUE(LastLineShown());
            lines.pop_back();
        }
        EXPECT_EQ(lines.back().substr(0, std::strlen(c.last)), c.last);
    }
}
