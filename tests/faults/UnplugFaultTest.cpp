// The adapter pulled out in the middle of a batch and of a range read, and plugged back in.
#include "FaultFixture.h"

#include <QColor>

#include <string>
#include <vector>

namespace {

const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

// Single-byte transfers on the emulated adapter take one packet out and its answer back in.
constexpr unsigned kTransfersPerRead = 2;

class UnplugFault : public FaultFixture {
protected:
    void SetUp() override
    {
        FaultFixture::SetUp();
        // The batch's own way to pull the plug at a given line.
        ui.onBox = [this](const ScriptedResponder::Box& box) {
            if (box.text == " unplug")
                emulator.Unplug();
        };
    }

    // The connection check of the next timer tick.
    void ExpectStatusAfterTick(const char* text, const QColor& colour)
    {
        dlg->OnTimer();
        EXPECT_EQ(Status(), text);
        EXPECT_EQ(StatusColor(), colour);
    }

    void SetRange(const char* start, const char* end)
    {
        Edit(CVexbusDlg::IDC_SLAVE_ADDR)->setText(QStringLiteral("1A"));
        Edit(CVexbusDlg::IDC_START_ADDR)->setText(QString::fromUtf8(start));
        Edit(CVexbusDlg::IDC_END_ADDR)->setText(QString::fromUtf8(end));
    }
};

TEST_F(UnplugFault, BatchRunsToItsEndWithFailedLinesAndAReplugRecovers)
{
    const std::string path = WriteFile("unplug.bat", "i2cw 1a 10 01\n"
                                                     "i2cr 1a 10\n"
                                                     "pause unplug\n"
                                                     "i2cw 1a 11 02\n"
                                                     "i2cr 1a 11\n"
                                                     "ior 10 2\n"
                                                     "iow16 0220 5f\n");
    const std::size_t from = Log().size();
    ClickWithFile(CVexbusDlg::IDC_LOAD, path);

    EXPECT_EQ(LogFrom(from), (std::vector<std::string>{
                                 "ChipID = 1A",
                                 path,
                                 "start to load bat file -- " + path,
                                 "i2cw 1a 10 01",
                                 "i2cr 1a 10 -> 01",
                                 "i2cw 1a 11 02 failed",
                                 "i2cr 1a 11 -> failed",
                                 "ior 10 -> failed",
                                 "ior 11 -> failed",
                                 "iow16 0220 5f failed",
                                 "#### OK ####  load bat file done -- " + path,
                             }));
    ExpectStatusAfterTick(kDisconnected, kRed);

    emulator.Plug();
    ExpectStatusAfterTick(kConnected, kBlue);
    const std::string again = WriteFile("again.bat", "i2cw 1a 11 02\ni2cr 1a 11\ni2cr 1a 10\n");
    const std::size_t rerun = Log().size();
    ClickWithFile(CVexbusDlg::IDC_LOAD, again);
    EXPECT_EQ(LogFrom(rerun), (std::vector<std::string>{
                                  "ChipID = 1A",
                                  again,
                                  "start to load bat file -- " + again,
                                  "i2cw 1a 11 02",
                                  "i2cr 1a 11 -> 02",
                                  "i2cr 1a 10 -> 01",
                                  "#### OK ####  load bat file done -- " + again,
                              }))
        << "the write made before the unplug is still there";
    ASSERT_EQ(ui.boxes.size(), 1u) << "only the batch's own pause";
}

TEST_F(UnplugFault, RangeReadRunsToItsEndWithFailedLinesAndAReplugRecovers)
{
    for (int sub = 0; sub < 8; ++sub)
        emulator.Slave().Paged(0, static_cast<std::uint8_t>(sub)) = static_cast<std::uint8_t>(0xA0 + sub);
    SetRange("0", "7");
    // Pulled out as the fourth register is read.
    emulator.FailTransfer(UsbFault::Unplug, 3 * kTransfersPerRead);
    const std::size_t from = Log().size();
    Click(CVexbusDlg::IDC_BATCH_READ);

    EXPECT_EQ(LogFrom(from), (std::vector<std::string>{
                                 "i2cr 1a 00 -> a0",
                                 "i2cr 1a 01 -> a1",
                                 "i2cr 1a 02 -> a2",
                                 "i2cr 1a 03 -> failed",
                                 "i2cr 1a 04 -> failed",
                                 "i2cr 1a 05 -> failed",
                                 "i2cr 1a 06 -> failed",
                                 "i2cr 1a 07 -> failed",
                             }));
    ExpectStatusAfterTick(kDisconnected, kRed);

    emulator.Plug();
    ExpectStatusAfterTick(kConnected, kBlue);
    const std::size_t rerun = Log().size();
    Click(CVexbusDlg::IDC_BATCH_READ);
    const std::vector<std::string> lines = LogFrom(rerun);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines.front(), "i2cr 1a 00 -> a0");
    EXPECT_EQ(lines.back(), "i2cr 1a 07 -> a7");
    EXPECT_TRUE(ui.boxes.empty());
}

} // namespace
