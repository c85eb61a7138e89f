#include "RecordingResponder.h"
#include "SimSerialAdapter.h"

#include "platform/comm.h"
#include "tqLink/TQLinkSerial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Long enough for a loaded machine to answer, short enough for the silent cases.
constexpr int kTimeoutMs = 400;
const Bytes kPingFrame{0x10, 0x30, 0x00, 0x40};

class SerialTransportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CommSetPortPath("COM1", adapter.PortPath());
        SetUiResponder(&boxes);
        boxes.texts.clear();
        link.SetTimeout(kTimeoutMs);
    }

    void TearDown() override
    {
        SetUiResponder(nullptr);
        CommSetPortPath("COM1", "");
    }

    void Connect()
    {
        ASSERT_EQ(link.Connect("COM1", 9600), LinkConnected);
        adapter.TakeFrames();
        adapter.TakeReceived();
    }

    // The ping goes out in any state: once it has arrived, anything sent before it has too.
    std::vector<Bytes> FramesUpToPing()
    {
        u8 ignored = 0;
        link.Ping(&ignored);
        return adapter.TakeFrames();
    }

    // Lets the rest of a bad reply arrive before the next command.
    static void Settle() { std::this_thread::sleep_for(50ms); }

    SimSerialAdapter adapter;
    RecordingResponder boxes;
    TQLinkSerial link;
};

struct FrameCase {
    const char* name;
    std::function<std::int32_t(TQLinkSerial&)> send;
    Bytes frame;
};

TEST_F(SerialTransportTest, EveryCommandSendsItsExactFrame)
{
    Connect();
    adapter.SetDefaultReply({SimSerialAdapter::Ack({0x00, 0x02, 0x03})});
    u8 b[4] = {};
    std::int32_t limit = 0;
    const FrameCase cases[] = {
        {"Ping", [&](TQLinkSerial& l) { return l.Ping(b); }, {0x10, 0x30, 0x00, 0x40}},
        {"GetMaxPayload", [&](TQLinkSerial& l) { return l.GetMaxPayload(&limit); }, {0x10, 0x35, 0x00, 0x45}},
        {"SendWord", [](TQLinkSerial& l) { return l.SendWord(0x1234); }, {0x10, 0x33, 0x02, 0x12, 0x34, 0x8B}},
        {"ReadReg8", [&](TQLinkSerial& l) { return l.ReadReg8(0x05, b); }, {0x10, 0x50, 0x01, 0x05, 0x66}},
        {"ReadRegBlock8",
         [&](TQLinkSerial& l) { return l.ReadRegBlock8(0x05, 3, b); },
         {0x10, 0x50, 0x02, 0x05, 0x03, 0x6A}},
        {"WriteReg8", [](TQLinkSerial& l) { return l.WriteReg8(0x05, 0xAA); }, {0x10, 0x51, 0x02, 0x05, 0xAA, 0x12}},
        {"ReadReg16", [&](TQLinkSerial& l) { return l.ReadReg16(0x1234, b); }, {0x10, 0x50, 0x02, 0x12, 0x34, 0xA8}},
        {"ReadRegBlock16",
         [&](TQLinkSerial& l) { return l.ReadRegBlock16(0x1234, 3, b); },
         {0x10, 0x50, 0x03, 0x12, 0x34, 0x03, 0xAC}},
        {"WriteReg16",
         [](TQLinkSerial& l) { return l.WriteReg16(0x1234, 0x56); },
         {0x10, 0x51, 0x03, 0x12, 0x34, 0x56, 0x00}},
        {"AuxRead1", [&](TQLinkSerial& l) { return l.AuxRead1(0x07, b); }, {0x10, 0x62, 0x01, 0x07, 0x7A}},
        {"AuxRead2", [&](TQLinkSerial& l) { return l.AuxRead2(0x07, 0x08, b); }, {0x10, 0x62, 0x02, 0x07, 0x08, 0x83}},
        {"AuxWrite2", [](TQLinkSerial& l) { return l.AuxWrite2(0x07, 0x08); }, {0x10, 0x63, 0x02, 0x07, 0x08, 0x84}},
        {"AuxWrite3",
         [](TQLinkSerial& l) { return l.AuxWrite3(0x07, 0x08, 0x09); },
         {0x10, 0x63, 0x03, 0x07, 0x08, 0x09, 0x8E}},
        {"Read8",
         [&](TQLinkSerial& l) { return l.Read8(0x1A, 0x00, b); },
         {0x10, 0x66, 0x04, 0x80, 0x01, 0x1A, 0x00, 0x15}},
        {"Write8",
         [](TQLinkSerial& l) { return l.Write8(0x1A, 0x10, 0xFF); },
         {0x10, 0x67, 0x05, 0x80, 0x01, 0x1A, 0x10, 0xFF, 0x26}},
    };
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.send(link), 0);
        EXPECT_EQ(adapter.TakeReceived(), c.frame);
    }
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(SerialTransportTest, ControlBytesPassUnchangedBothWays)
{
    Connect();
    adapter.Script({SimSerialAdapter::Ack({0x0A, 0x0D, 0x11, 0x13})});
    u8 block[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(link.ReadRegBlock16(0x0D0A, 4, block), 0);
    EXPECT_EQ(Bytes(block, block + 6), (Bytes{0x0A, 0x0D, 0x11, 0x13, 0xEE, 0xEE}));
    EXPECT_EQ(link.AuxWrite3(0x11, 0x13, 0x0A), 0);
    const std::vector<Bytes> expected = {
        {0x10, 0x50, 0x03, 0x0D, 0x0A, 0x04, 0x7E},
        {0x10, 0x63, 0x03, 0x11, 0x13, 0x0A, 0xA4},
    };
    EXPECT_EQ(adapter.TakeFrames(), expected);
    EXPECT_TRUE(boxes.texts.empty());
}

struct ErrorCase {
    const char* name;
    SimSerialAdapter::Reply reply;
    std::int32_t status;
    const char* message;
};

TEST_F(SerialTransportTest, BadRepliesFailWithTheirMessage)
{
    Connect();
    const ErrorCase cases[] = {
        {"silence", {}, LinkTimeOut, "inPk: time out"},
        {"cut short", {{0x10, 0x06, 0x02, 0x00}}, LinkTimeOut, "inPk: time out"},
        {"wrong sync", {{0x55, 0x06, 0x02, 0x00, 0xAB, 0x08}}, LinkNoSync, "inPk: no Sync byte detect"},
        {"bad checksum", {{0x10, 0x06, 0x02, 0x00, 0xAB, 0xC4}}, LinkBadChecksum, "inPk: invalid CRC"},
        {"over-long", {{0x10, 0x06, 0x41}}, LinkBadLength, "inPk: invalid PCL len"},
        {"NAck", {SimSerialAdapter::Frame(0x21, {0x00, 0xAB})}, LinkNAck, "NAck"},
        {"adapter error", {SimSerialAdapter::Frame(0x06, {0xC8, 0xAB})}, LinkAdapterError, "Ack with error code 200"},
        {"unknown code", {SimSerialAdapter::Frame(0x07, {0x00, 0xAB})}, LinkUnknownReply, "Unknow error"},
        {"no data byte", {SimSerialAdapter::Frame(0x06, {0x00})}, LinkShortReply, "Unknow error"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        // A good reply first, so a stale data byte would show.
        adapter.Script({SimSerialAdapter::Ack({0xAB})});
        u8 out = 0;
        ASSERT_EQ(link.ReadReg8(0x05, &out), 0);
        ASSERT_EQ(out, 0xAB);

        adapter.Script(c.reply);
        out = 0x5A;
        boxes.texts.clear();
        EXPECT_EQ(link.ReadReg8(0x05, &out), c.status);
        EXPECT_EQ(out, 0x5A);
        EXPECT_EQ(link.GetLastStatus(), c.status);
        EXPECT_EQ(boxes.texts, std::vector<std::string>{c.message});
        Settle();
    }
}

TEST_F(SerialTransportTest, WritesFailOnNAckAndAdapterErrors)
{
    Connect();
    adapter.Script({SimSerialAdapter::Frame(0x21, {})});
    EXPECT_EQ(link.Write8(0x1A, 0x10, 0xFF), LinkNAck);
    adapter.Script({SimSerialAdapter::Frame(0x06, {0x03})});
    EXPECT_EQ(link.WriteReg8(0x05, 0xAA), LinkAdapterError);
    adapter.Script({SimSerialAdapter::Frame(0x06, {})});
    EXPECT_EQ(link.WriteReg16(0x1234, 0x56), 0);
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{"NAck", "Ack with error code 3"}));
}

TEST_F(SerialTransportTest, TheRestOfABadReplyIsDrainedByTheNextCommand)
{
    Connect();
    const Bytes good = {0x10, 0x06, 0x02, 0x00, 0xAB, 0xC3};
    Bytes wrongSync = {0x55};
    wrongSync.insert(wrongSync.end(), good.begin(), good.end());
    Bytes overLong = {0x10, 0x06, 0x41};
    overLong.insert(overLong.end(), good.begin(), good.end());
    for (const Bytes& bad : {wrongSync, overLong}) {
        adapter.Script({bad});
        adapter.Script({SimSerialAdapter::Ack({0x77})});
        u8 out = 0;
        EXPECT_NE(link.ReadReg8(0x05, &out), 0);
        Settle();
        EXPECT_EQ(link.ReadReg8(0x05, &out), 0);
        EXPECT_EQ(out, 0x77);
    }
}

TEST_F(SerialTransportTest, TheTimeOutRunsForEachByte)
{
    Connect();
    using Clock = std::chrono::steady_clock;
    // Six bytes 150 ms apart take longer than one time-out, yet each comes in time.
    adapter.Script({SimSerialAdapter::Ack({0xAB}), 150ms});
    u8 out = 0;
    auto start = Clock::now();
    EXPECT_EQ(link.ReadReg8(0x05, &out), 0);
    EXPECT_GT(Clock::now() - start, std::chrono::milliseconds(kTimeoutMs));
    EXPECT_EQ(out, 0xAB);

    adapter.Script({SimSerialAdapter::Ack({0xAB}), 2000ms});
    start = Clock::now();
    EXPECT_EQ(link.ReadReg8(0x05, &out), LinkTimeOut);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(kTimeoutMs));
    EXPECT_LT(waited, 1500ms);
}

struct ConnectCase {
    const char* name;
    SimSerialAdapter::Reply reply;
    std::int32_t result;
};

TEST_F(SerialTransportTest, ConnectCountsAnyWellFormedReplyWithoutBoxes)
{
    const ConnectCase cases[] = {
        {"ACK", {SimSerialAdapter::Ack({})}, LinkConnected},
        {"NAck", {SimSerialAdapter::Frame(0x21, {})}, LinkConnected},
        {"adapter error", {SimSerialAdapter::Frame(0x06, {0x02})}, LinkConnected},
        {"silence", {}, LinkTimeOut},
        {"wrong sync", {{0x55}}, LinkNoSync},
        {"bad checksum", {{0x10, 0x06, 0x00, 0x00}}, LinkBadChecksum},
    };
    for (const ConnectCase& c : cases) {
        SCOPED_TRACE(c.name);
        adapter.Script(c.reply);
        EXPECT_EQ(link.Connect("COM1", 9600), c.result);
        EXPECT_EQ(link.IsConnected(), c.result == LinkConnected ? 1 : 0);
        EXPECT_EQ(adapter.TakeFrames(), std::vector<Bytes>{kPingFrame});
    }
    EXPECT_TRUE(boxes.texts.empty());

    // The boxes are back on after a silent connection check.
    adapter.Script({});
    u8 out = 0;
    EXPECT_EQ(link.Ping(&out), LinkTimeOut);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"inPk: time out"});
}

TEST_F(SerialTransportTest, ConnectWithoutAPortGivesNine)
{
    CommSetPortPath("COM1", "/nonexistent/tty");
    EXPECT_EQ(link.Connect("COM1", 9600), LinkPortFailed);
    EXPECT_EQ(link.IsConnected(), 0);
    EXPECT_FALSE(link.GetPort()->IsOpen());
    EXPECT_EQ(link.Connect("", 9600), LinkPortFailed);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(SerialTransportTest, NothingButThePingGoesOutWhileNotConnected)
{
    adapter.Script({});
    ASSERT_EQ(link.Connect("COM1", 9600), LinkTimeOut);
    ASSERT_TRUE(link.GetPort()->IsOpen());
    adapter.TakeFrames();

    u8 out = 0x5A;
    u8 block[4] = {0x5A, 0x5A, 0x5A, 0x5A};
    const std::function<std::int32_t()> transfers[] = {
        [&] { return link.Read8(0x1A, 0x00, &out); },
        [&] { return link.Write8(0x1A, 0x10, 0xFF); },
        [&] { return link.ReadReg8(0x05, &out); },
        [&] { return link.ReadRegBlock8(0x05, 4, block); },
        [&] { return link.WriteReg8(0x05, 0xAA); },
        [&] { return link.ReadReg16(0x1234, &out); },
        [&] { return link.ReadRegBlock16(0x1234, 4, block); },
        [&] { return link.WriteReg16(0x1234, 0x56); },
        [&] { return link.AuxRead1(0x07, &out); },
        [&] { return link.AuxRead2(0x07, 0x08, &out); },
        [&] { return link.AuxWrite2(0x07, 0x08); },
        [&] { return link.AuxWrite3(0x07, 0x08, 0x09); },
        [&] { return link.SendWord(0x1234); },
    };
    for (std::size_t i = 0; i < std::size(transfers); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(transfers[i](), LinkUnavailable);
    }
    EXPECT_EQ(out, 0x5A);
    EXPECT_EQ(Bytes(block, block + 4), Bytes(4, 0x5A));
    EXPECT_EQ(FramesUpToPing(), std::vector<Bytes>{kPingFrame});
    EXPECT_TRUE(boxes.texts.empty());

    // Close ends the connection as well.
    Connect();
    link.Close();
    EXPECT_EQ(link.IsConnected(), 0);
    EXPECT_EQ(link.ReadReg8(0x05, &out), LinkUnavailable);
}

TEST_F(SerialTransportTest, SlaveTransfersAtASixteenBitSubAddressAreRefused)
{
    Connect();
    u8 out = 0x5A;
    EXPECT_EQ(link.Read16(0x1A, 0x1234, &out), LinkUnavailable);
    EXPECT_EQ(link.Write16(0x1A, 0x1234, 0x56), LinkUnavailable);
    EXPECT_EQ(out, 0x5A);
    EXPECT_EQ(FramesUpToPing(), std::vector<Bytes>{kPingFrame});
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(SerialTransportTest, ThePayloadLimitIsHeldToTheReceiveBuffer)
{
    Connect();
    std::int32_t limit = 0;
    adapter.Script({SimSerialAdapter::Ack({4})});
    ASSERT_EQ(link.GetMaxPayload(&limit), 0);
    EXPECT_EQ(limit, 4);
    u8 block[64] = {};
    adapter.Script({SimSerialAdapter::Ack({1, 2, 3, 4})});
    EXPECT_EQ(link.ReadRegBlock8(0x00, 4, block), LinkBadLength);
    Settle();
    adapter.Script({SimSerialAdapter::Ack({1, 2, 3})});
    EXPECT_EQ(link.ReadRegBlock8(0x00, 3, block), 0);

    adapter.Script({SimSerialAdapter::Ack({200})});
    ASSERT_EQ(link.GetMaxPayload(&limit), 0);
    EXPECT_EQ(limit, 200);
    adapter.Script({SimSerialAdapter::Frame(0x06, Bytes(65, 0x00))});
    EXPECT_EQ(link.ReadRegBlock8(0x00, 63, block), LinkBadLength);
    Settle();
    adapter.Script({SimSerialAdapter::Ack(Bytes(63, 0x42))});
    EXPECT_EQ(link.ReadRegBlock8(0x00, 63, block), 0);
    EXPECT_EQ(Bytes(block, block + 63), Bytes(63, 0x42));
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{"inPk: invalid PCL len", "inPk: invalid PCL len"}));
}

TEST_F(SerialTransportTest, BlockReadsDeliverOnlyWhatTheReplyCarried)
{
    Connect();
    u8 block[256];
    std::fill(std::begin(block), std::end(block), 0x5A);
    adapter.Script({SimSerialAdapter::Ack({1, 2})});
    EXPECT_EQ(link.ReadRegBlock8(0x00, 4, block), LinkShortReply);
    adapter.Script({SimSerialAdapter::Ack(Bytes(63, 0x42))});
    EXPECT_EQ(link.ReadRegBlock16(0x0000, 255, block), LinkShortReply);
    EXPECT_EQ(Bytes(std::begin(block), std::end(block)), Bytes(256, 0x5A));
    EXPECT_EQ(link.ReadRegBlock8(0x00, 0, block), 0);
    EXPECT_EQ(block[0], 0x5A);
}

} // namespace
