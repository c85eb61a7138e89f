#include "FilesFixture.h"

#include "tqLink/I2CLink.h"

#include <functional>

namespace {

void ExpectNotConnectedBox(const std::vector<ScriptedResponder::Box>& boxes)
{
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "CH341 未连接!");
    EXPECT_EQ(boxes[0].caption, GetAppName());
    EXPECT_EQ(boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(FilesFixture, DetectionReadsSubAddressZeroOfTheLinksDeviceBeforeSaveAndLoad)
{
    for (int button : {CVexbusDlg::IDC_SAVE, CVexbusDlg::IDC_LOAD}) {
        theApp.m_pRegister = nullptr;
        Restart();
        Click(button);
        EXPECT_EQ(LogLines(), std::vector<std::string>{"ChipID = 1A"});
        EXPECT_EQ(theApp.m_pRegister, &g_unknownRegister);
        EXPECT_EQ(ui.fileRequests.size(), 1u) << "the file dialog follows";
        EXPECT_TRUE(ui.boxes.empty());
        ASSERT_EQ(emulator.Transactions().size(), 1u);
        const std::vector<std::uint8_t>& written = emulator.Transactions()[0].written;
        ASSERT_GE(written.size(), 2u);
        EXPECT_EQ(written[0], g_pLink->GetDeviceAddress());
        EXPECT_EQ(written[1], 0x00);
        EXPECT_EQ(emulator.Transactions()[0].read, 1u);
    }
}

// Ways for no device to answer at the link's address.
struct Absence {
    const char* name;
    std::function<void(Ch341Emulator&)> make;
};

void PrintTo(const Absence& a, std::ostream* os)
{
    *os << a.name;
}

class NoDevice : public FilesFixture, public ::testing::WithParamInterface<Absence> {};

TEST_P(NoDevice, ShowsTheBoxLogsNothingAndSaveGoesOn)
{
    const std::string path = Path("after-box.bat");
    Restart();
    GetParam().make(emulator);
    ClickWithFile(CVexbusDlg::IDC_SAVE, path);
    ExpectNotConnectedBox(ui.boxes);
    EXPECT_EQ(theApp.m_pRegister, nullptr);
    const std::vector<std::string> log = LogLines();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), path) << "no detection line";
    EXPECT_EQ(log.back(), "save to bat file done -- " + path);
    EXPECT_EQ(Contents(path), "i2crw 00 00 00\n");
}

INSTANTIATE_TEST_SUITE_P(Files, NoDevice,
                         ::testing::Values(Absence{"Unplugged", [](Ch341Emulator& e) { e.Unplug(); }},
                                           Absence{"AddressNotAcknowledged",
                                                   [](Ch341Emulator& e) { e.RefuseAddress(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FilesFixture, TheRegisterSetStaysCurrentAfterALaterFailure)
{
    Click(CVexbusDlg::IDC_LOAD);
    ASSERT_EQ(theApp.m_pRegister, &g_unknownRegister);
    Restart();
    emulator.Unplug();
    Click(CVexbusDlg::IDC_LOAD);
    ExpectNotConnectedBox(ui.boxes);
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(theApp.m_pRegister, &g_unknownRegister);
    EXPECT_EQ(ui.fileRequests.size(), 1u) << "Load goes on";
}

} // namespace
