#include "FileSizeLimit.h"
#include "FilesFixture.h"
#include "VexbusDlgProbe.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

const std::string kDetected = "ChipID = 1A";

// One range read, as Save writes it and as Save and BatchRead log it.
struct RangeCase {
    const char* name;
    bool wide;
    const char* start;
    const char* end;
    const char* slave;
    std::optional<unsigned> failedRead; // this read (0: the first) fails on the USB side
    std::vector<std::string> reads;
    std::string file;
};

void PrintTo(const RangeCase& c, std::ostream* os)
{
    *os << c.name;
}

const RangeCase kRanges[] = {
    {"EightBit",
     false,
     "0",
     "2",
     "1A",
     std::nullopt,
     {"i2cr 1a 00 -> 11", "i2cr 1a 01 -> 22", "i2cr 1a 02 -> 33"},
     "i2crw 1a 00 11\ni2crw 1a 01 22\ni2crw 1a 02 33\n"},
    {"SixteenBit",
     true,
     "0",
     "2",
     "1A",
     std::nullopt,
     {"i2cr 1a 0000 -> 44", "i2cr 1a 0001 -> 55", "i2cr 1a 0002 -> 66"},
     "i2crw16 1a 0000 44\ni2crw16 1a 0001 55\ni2crw16 1a 0002 66\n"},
    {"StartEqualsEnd", false, "1", "1", "1A", std::nullopt, {"i2cr 1a 01 -> 22"}, "i2crw 1a 01 22\n"},
    {"FailedReadIsWrittenAsZero",
     false,
     "0",
     "2",
     "1A",
     1u,
     {"i2cr 1a 00 -> 11", "i2cr 1a 01 -> failed", "i2cr 1a 02 -> 33"},
     "i2crw 1a 00 11\ni2crw 1a 01 00\ni2crw 1a 02 33\n"},
    {"AbsentSlaveKeepsItsAddress",
     false,
     "0",
     "1",
     "50",
     std::nullopt,
     {"i2cr 50 00 -> failed", "i2cr 50 01 -> failed"},
     "i2crw 50 00 00\ni2crw 50 01 00\n"},
    // Sub-addresses from F0 up reach the slave's page register, here 0; the bus takes the
    // low byte of 100 and 101, the lines keep the whole number.
    {"EightBitEndAboveFF",
     false,
     "FF",
     "101",
     "1A",
     std::nullopt,
     {"i2cr 1a ff -> 00", "i2cr 1a 100 -> 11", "i2cr 1a 101 -> 22"},
     "i2crw 1a ff 00\ni2crw 1a 100 11\ni2crw 1a 101 22\n"},
    {"EmptyEditsReadAsZero", false, "", "", "", std::nullopt, {"i2cr 00 00 -> failed"}, "i2crw 00 00 00\n"},
    // The slave has no memory there and answers 0.
    {"EndOfTheAddressSpace",
     true,
     "FFFFFFFE",
     "FFFFFFFF",
     "1A",
     std::nullopt,
     {"i2cr 1a fffffffe -> 00", "i2cr 1a ffffffff -> 00"},
     "i2crw16 1a fffffffe 00\ni2crw16 1a ffffffff 00\n"},
};

class RangeRead : public FilesFixture, public ::testing::WithParamInterface<RangeCase> {
protected:
    void SetUp() override
    {
        FilesFixture::SetUp();
        emulator.Slave().Paged(0, 0x00) = 0x11;
        emulator.Slave().Paged(0, 0x01) = 0x22;
        emulator.Slave().Paged(0, 0x02) = 0x33;
        emulator.Slave().Flat(0x0000) = 0x44;
        emulator.Slave().Flat(0x0001) = 0x55;
        emulator.Slave().Flat(0x0002) = 0x66;
    }

    // Arms the case's fault, after `before` reads that come first.
    void ArmFault(const RangeCase& c, unsigned before)
    {
        if (c.failedRead)
            emulator.FailTransfer(UsbFault::Io, (before + *c.failedRead) * kTransfersPerRead);
    }
};

TEST_P(RangeRead, SaveWritesALinePerRegisterAndBatchReadOnlyLogs)
{
    const RangeCase& c = GetParam();
    SetRange(c.wide, c.start, c.end, c.slave);
    const std::string path = Path("range.bat");
    Restart();
    ArmFault(c, 1); // chip detection reads first
    ClickWithFile(CVexbusDlg::IDC_SAVE, path);

    EXPECT_EQ(Contents(path), c.file);
    std::vector<std::string> expected = {kDetected, path, "save to bat file -- " + path};
    expected.insert(expected.end(), c.reads.begin(), c.reads.end());
    expected.push_back("save to bat file done -- " + path);
    EXPECT_EQ(LogLines(), expected);
    EXPECT_EQ(Probe(*dlg).SavePath()->text().toStdString(), path);
    EXPECT_TRUE(ui.boxes.empty());

    Restart();
    ArmFault(c, 0);
    Click(CVexbusDlg::IDC_BATCH_READ);
    EXPECT_EQ(LogLines(), c.reads);
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, RangeRead, ::testing::ValuesIn(kRanges),
                         [](const auto& info) { return std::string(info.param.name); });

// A range whose start lies above its end, compared without sign.
class InvalidRange : public FilesFixture, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(InvalidRange, IsRefusedWithABoxAndLeavesAnEmptyFile)
{
    const auto [start, end] = GetParam();
    SetRange(false, start, end, "1A");
    const std::string path = Path("invalid.bat");
    WriteFile(path, "i2crw 1a 00 00\n");
    Restart();
    ClickWithFile(CVexbusDlg::IDC_SAVE, path);
    EXPECT_EQ(Contents(path), "");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{kDetected, path, "save to bat file -- " + path}));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Invalid range");
    EXPECT_EQ(ui.boxes[0].caption, GetAppName());
    EXPECT_EQ(ui.boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(emulator.Transactions().size(), 1u) << "only chip detection";

    Restart();
    Click(CVexbusDlg::IDC_BATCH_READ);
    EXPECT_TRUE(LogLines().empty());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Invalid range");
    EXPECT_TRUE(emulator.Transactions().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, InvalidRange, ::testing::Values(std::pair{"5", "4"}, std::pair{"FFFFFFFF", "0"}));

TEST_F(FilesFixture, SaveAsksForABatchFileAndStopsWhenCancelled)
{
    Restart();
    Click(CVexbusDlg::IDC_SAVE);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests[0];
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.defaultExt, "bat");
    EXPECT_EQ(request.initialName, "save");
    EXPECT_EQ(request.filter, "Batch File(*.bat)|*.bat|");
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(LogLines(), std::vector<std::string>{kDetected});
    EXPECT_EQ(Probe(*dlg).SavePath()->text().toStdString(), "Save as file:");
    EXPECT_EQ(emulator.Transactions().size(), 1u);
}

TEST_F(FilesFixture, SaveReportsAFileItCannotCreate)
{
    Restart();
    ClickWithFile(CVexbusDlg::IDC_SAVE, Path("missing/save.bat"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Open file failed");
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_EQ(ui.boxes[0].type, MB_OK);
    EXPECT_EQ(LogLines(), std::vector<std::string>{kDetected});
    EXPECT_EQ(Probe(*dlg).SavePath()->text().toStdString(), "Save as file:");
    EXPECT_EQ(emulator.Transactions().size(), 1u);
}

TEST_F(FilesFixture, SaveReportsAWriteErrorInsteadOfDone)
{
    emulator.Slave().Paged(0, 0x02) = 0x33;
    SetRange(false, "0", "2", "1A");
    Restart();
    const std::string path = Path("full.bat");
    {
        const FileSizeLimit full(16);
        ClickWithFile(CVexbusDlg::IDC_SAVE, path);
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Write file failed");
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_EQ(ui.boxes[0].type, MB_OK);
    const std::vector<std::string> log = LogLines();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "i2cr 1a 02 -> 33") << "every register was read";
    EXPECT_EQ(std::count(log.begin(), log.end(), "save to bat file done -- " + path), 0);
}

TEST_F(FilesFixture, LoadWritesASavedFileBack)
{
    for (std::uint8_t sub = 0; sub < 4; ++sub) {
        emulator.Slave().Paged(0, sub) = static_cast<std::uint8_t>(0xA0 + sub);
        emulator.Slave().Flat(static_cast<std::uint16_t>(0x0100 + sub)) = static_cast<std::uint8_t>(0xB0 + sub);
    }
    SetRange(false, "0", "3", "1A");
    ClickWithFile(CVexbusDlg::IDC_SAVE, Path("eight.bat"));
    SetRange(true, "100", "103", "1A");
    ClickWithFile(CVexbusDlg::IDC_SAVE, Path("sixteen.bat"));
    std::string crlf;
    for (char ch : Contents(Path("sixteen.bat")))
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    WriteFile(Path("sixteen-crlf.bat"), crlf);

    for (std::uint8_t sub = 0; sub < 4; ++sub) {
        emulator.Slave().Paged(0, sub) = 0;
        emulator.Slave().Flat(static_cast<std::uint16_t>(0x0100 + sub)) = 0;
    }
    ClickWithFile(CVexbusDlg::IDC_LOAD, Path("eight.bat"));
    ClickWithFile(CVexbusDlg::IDC_LOAD, Path("sixteen-crlf.bat"));
    for (std::uint8_t sub = 0; sub < 4; ++sub) {
        EXPECT_EQ(emulator.Slave().Paged(0, sub), 0xA0 + sub);
        EXPECT_EQ(emulator.Slave().Flat(static_cast<std::uint16_t>(0x0100 + sub)), 0xB0 + sub);
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FilesFixture, SaveOfTheWholeSixteenBitSpaceCompletes)
{
    emulator.Slave().Flat(0x0FFF) = 0x5C;
    SetRange(true, "0", "FFFF", "1A");
    const std::string path = Path("all.bat");
    Restart();
    ClickWithFile(CVexbusDlg::IDC_SAVE, path);
    QCoreApplication::processEvents();

    const std::string text = Contents(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 0x10000);
    EXPECT_NE(text.find("i2crw16 1a 0fff 5c\ni2crw16 1a 1000 00\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("i2crw16 1a fffe 00\ni2crw16 1a ffff 00\n"));
    EXPECT_EQ(Probe(*dlg).Log()->GetItemCount(), logStart + 3 + 0x10000 + 1);
    EXPECT_EQ(LastLog(), "save to bat file done -- " + path);

    Click(CVexbusDlg::IDC_CLEAR);
    EXPECT_EQ(Probe(*dlg).Log()->GetItemCount(), 0);
}

// An end of FFFFFFFF, which the end edit can hold, reads 0x10000 registers from the start and
// says so, as the counted reads of the command language stop there too.
TEST_F(FilesFixture, RangeOfMoreThan10000RegistersIsCutAndTheCutLogged)
{
    emulator.Slave().Paged(0, 0x10) = 0x7E;
    SetRange(false, "10", "FFFFFFFF", "1A");
    const std::string path = Path("cut.bat");
    Restart();
    ClickWithFile(CVexbusDlg::IDC_SAVE, path);

    const std::string text = Contents(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 0x10000);
    EXPECT_TRUE(text.starts_with("i2crw 1a 10 7e\n"));
    EXPECT_TRUE(text.ends_with("i2crw 1a 1000f 00\n"));
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u + 0x10000 + 1);
    EXPECT_EQ(lines[3], "*** range cut to 0x10000 registers: 10 to 1000f ***");
    EXPECT_EQ(lines.back(), "save to bat file done -- " + path);

    SetRange(true, "0", "FFFFFFFF", "1A");
    Restart();
    Click(CVexbusDlg::IDC_BATCH_READ);
    lines = LogLines();
    ASSERT_EQ(lines.size(), 1u + 0x10000);
    EXPECT_EQ(lines.front(), "*** range cut to 0x10000 registers: 0000 to ffff ***");
    EXPECT_EQ(lines.back(), "i2cr 1a ffff -> 00");
    EXPECT_TRUE(ui.boxes.empty());
}

} // namespace
