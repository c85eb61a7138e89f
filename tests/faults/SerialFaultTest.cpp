// The serial adapter silent or answering garbage, through the link facade on transport 0 and
// the main dialog's command line and status.
#include "FaultFixture.h"
#include "SimSerialAdapter.h"

#include "platform/comm.h"
#include "tqLink/I2CLink.h"
#include "tqLink/TQLinkSerial.h"

#include <string>
#include <vector>

namespace {

// Long enough for a loaded machine to answer, short enough for the silent cases.
constexpr int kTimeoutMs = 400;
constexpr int kDefaultTimeoutMs = 2000;
const SimSerialAdapter::Reply kSilent{};

class SerialFault : public FaultFixture {
protected:
    void SetUp() override
    {
        FaultFixture::SetUp();
        CommSetPortPath("COM1", adapter.PortPath());
        g_serialLink.SetTimeout(kTimeoutMs);
        g_pLink->SetTransport(LinkSerial);
    }

    void TearDown() override
    {
        g_pLink->SetTransport(LinkUsb);
        g_serialLink.Close();
        g_serialLink.SetTimeout(kDefaultTimeoutMs);
        CommSetPortPath("COM1", "");
        FaultFixture::TearDown();
    }

    // Typed on the command line; no message is dispatched meanwhile, so the connection check
    // sends no ping between the commands.
    std::string Run(std::string line)
    {
        dlg->ExecuteCommand(line.data());
        return LastLog();
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : ui.boxes)
            texts.push_back(box.text);
        return texts;
    }

    SimSerialAdapter adapter;
};

TEST_F(SerialFault, SilentAdapterShowsNotConnectedAndFailsEveryCommandUntilItAnswers)
{
    adapter.SetDefaultReply(kSilent);
    dlg->OnTimer();
    EXPECT_EQ(Status(), kDisconnected);
    EXPECT_EQ(Run("i2cr 1a 00"), "i2cr 1a 00 -> failed");
    EXPECT_EQ(Run("i2cw 1a 00 01"), "i2cw 1a 00 01 failed");
    EXPECT_EQ(Run("ior 05 1"), "ior 05 -> failed");
    EXPECT_EQ(Run("iow 05 aa"), "iow 05 aa failed");
    EXPECT_TRUE(ui.boxes.empty()) << "the status and the lines tell it";

    adapter.SetDefaultReply({SimSerialAdapter::Ack({0x5A})});
    dlg->OnTimer();
    EXPECT_EQ(Status(), kConnected);
    EXPECT_EQ(Run("i2cr 1a 00"), "i2cr 1a 00 -> 5a");
}

TEST_F(SerialFault, AdapterFallingSilentAfterConnectingTimesOutOnceAndThenServesAgain)
{
    dlg->OnTimer();
    ASSERT_EQ(Status(), kConnected);
    adapter.Script(kSilent);
    EXPECT_EQ(Run("i2cr 1a 00"), "i2cr 1a 00 -> failed");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"inPk: time out"});
    adapter.Script({SimSerialAdapter::Ack({0x42})});
    EXPECT_EQ(Run("i2cr 1a 01"), "i2cr 1a 01 -> 42");
    EXPECT_EQ(ui.boxes.size(), 1u);
}

struct Garbage {
    const char* name;
    Bytes reply;
    const char* box;
};

TEST_F(SerialFault, GarbageRepliesFailTheCommandTellTheUserAndLeaveNothingBehind)
{
    const Garbage cases[] = {
        {"no sync byte", {0x55, 0xAA, 0x10, 0x06, 0x02}, "inPk: no Sync byte detect"},
        {"bad checksum", {0x10, 0x06, 0x02, 0x00, 0xAB, 0x00}, "inPk: invalid CRC"},
        {"length above 64", {0x10, 0x06, 0x41, 0x00, 0x01, 0x02}, "inPk: invalid PCL len"},
        {"cut short", {0x10, 0x06, 0x02, 0x00}, "inPk: time out"},
        {"NAck", SimSerialAdapter::Frame(0x21, {}), "NAck"},
        {"adapter error", SimSerialAdapter::Frame(0x06, {0x07, 0x00}), "Ack with error code 7"},
        {"unknown status", SimSerialAdapter::Frame(0x99, {0x00, 0x01}), "Unknow error"},
        {"no data byte", SimSerialAdapter::Ack({}), "Unknow error"},
    };
    dlg->OnTimer();
    ASSERT_EQ(Status(), kConnected);
    for (const Garbage& g : cases) {
        ui.boxes.clear();
        adapter.Script({g.reply});
        adapter.Script({SimSerialAdapter::Ack({0x42})});
        EXPECT_EQ(Run("i2cr 1a 00"), "i2cr 1a 00 -> failed") << g.name;
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{g.box}) << g.name;
        EXPECT_EQ(Run("i2cr 1a 01"), "i2cr 1a 01 -> 42") << g.name << ": the next command gets its own reply";
    }
}

TEST_F(SerialFault, GarbageAnswerToThePingShowsNotConnectedWithoutABox)
{
    for (const Bytes& reply : {Bytes{0x55}, Bytes{0x10, 0x06, 0x00, 0x00}, Bytes{0x10, 0x06, 0x50}}) {
        adapter.Script({reply});
        dlg->OnTimer();
        EXPECT_EQ(Status(), kDisconnected);
        EXPECT_EQ(Run("i2cr 1a 00"), "i2cr 1a 00 -> failed");
    }
    EXPECT_TRUE(ui.boxes.empty());
}

} // namespace
