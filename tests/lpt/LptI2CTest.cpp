#include "tqLink/LptI2C.h"
#include "BoxRecorder.h"
#include "SimParport.h"
#include "platform/PortIoBackend.h"
#include "tqLink/I2CLink.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace {

constexpr u8 kDev = 0x1A;   // the link's device address; 8-bit sub-addresses
constexpr u8 kDev16 = 0xA0; // 16-bit sub-addresses

// A link on the simulated port with two slaves on the bus and short busy waits.
class LptI2CTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Populate();
        SetPortIoBackend(&port);
        g_pLink->SetLptDelays(1, 1);
        lpt.emplace();
    }

    void TearDown() override
    {
        lpt.reset();
        SetPortIoBackend(nullptr);
        g_pLink->SetLptDelays(1023, 4095);
    }

    virtual void Populate()
    {
        port.Attach(dev8);
        port.Attach(dev16);
    }

    const std::string& Trace() { return port.Monitor().Trace(); }

    SimParport port;
    SimI2CSlave dev8{kDev, 1};
    SimI2CSlave dev16{kDev16, 2};
    std::optional<LptI2C> lpt;
};

class LptEmptyBusTest : public LptI2CTest {
protected:
    void Populate() override {}
};

TEST_F(LptI2CTest, ConstructionWritesOnlyTheIdleByteAndExitWritesNothing)
{
    EXPECT_EQ(g_winIoReady, 1);
    EXPECT_TRUE(port.IsClaimed());
    EXPECT_EQ(port.Writes(), (std::vector<PortWriteRecord>{{0x378, 0x02}}));

    lpt.reset();
    EXPECT_EQ(g_winIoReady, 0);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Writes().size(), 1u);
}

TEST_F(LptI2CTest, Write8ThenRead8RoundTrips)
{
    EXPECT_EQ(lpt->Write8(kDev, 0x10, 0x5A), 0);
    EXPECT_EQ(dev8.Memory(0x10), 0x5A);

    u8 out = 0;
    EXPECT_EQ(lpt->Read8(kDev | 1, 0x10, &out), 0);
    EXPECT_EQ(out, 0x5A);
    EXPECT_EQ(Trace(), "S 1A+ 10+ 5A+ P S 1A+ 10+ S 1B+ 5A- P");
}

TEST_F(LptI2CTest, SixteenBitSubAddressGoesLowByteFirst)
{
    EXPECT_EQ(lpt->Write16(kDev16 | 1, 0x1234, 0x77), 0);
    EXPECT_EQ(dev16.Memory(0x1234), 0x77);

    u8 out = 0;
    EXPECT_EQ(lpt->Read16(kDev16, 0x1234, &out), 0);
    EXPECT_EQ(out, 0x77);
    EXPECT_EQ(Trace(), "S A0+ 34+ 12+ 77+ P S A0+ 34+ 12+ S A1+ 77- P");
}

TEST_F(LptI2CTest, RegOperationsAddressTheLinksDeviceAtEachCall)
{
    EXPECT_EQ(lpt->WriteReg8(0x20, 0xC3), 0);
    EXPECT_EQ(dev8.Memory(0x20), 0xC3);
    u8 out = 0;
    EXPECT_EQ(lpt->ReadReg8(0x20, &out), 0);
    EXPECT_EQ(out, 0xC3);

    g_pLink->SetDeviceAddress(kDev16);
    EXPECT_EQ(lpt->WriteReg16(0x0456, 0x99), 0);
    EXPECT_EQ(lpt->ReadReg16(0x0456, &out), 0);
    g_pLink->SetDeviceAddress(kDev);
    EXPECT_EQ(dev16.Memory(0x0456), 0x99);
    EXPECT_EQ(out, 0x99);
}

TEST_F(LptI2CTest, BlockReadsAckEveryByteButTheLast)
{
    dev8.Memory(0xFE) = 1;
    dev8.Memory(0xFF) = 2;
    dev8.Memory(0x00) = 3;
    dev8.Memory(0x01) = 4;
    std::array<u8, 5> buf{};
    buf.fill(0xEE);
    EXPECT_EQ(lpt->ReadRegBlock8(0xFE, 4, buf.data()), 0);
    EXPECT_EQ(buf, (std::array<u8, 5>{1, 2, 3, 4, 0xEE}));
    EXPECT_EQ(Trace(), "S 1A+ FE+ S 1B+ 01+ 02+ 03+ 04- P");

    port.Monitor().Clear();
    dev16.Memory(0x0100) = 0x7E;
    EXPECT_EQ(lpt->ReadBlock16(kDev16, 0x0100, 0, buf.data()), 0);
    EXPECT_EQ(buf, (std::array<u8, 5>{1, 2, 3, 4, 0xEE})) << "count 0 copies nothing";
    EXPECT_EQ(Trace(), "S A0+ 00+ 01+ S A1+ 7E- P") << "count 0 still reads one byte";
}

// The largest counts the operations take: 255 bytes after one or two sub-address bytes.
TEST_F(LptI2CTest, FullSizeBlocksArriveWhole)
{
    for (int i = 0; i < 255; ++i) {
        dev8.Memory(static_cast<u16>(i + 1)) = static_cast<u8>(i ^ 0x5A);
        dev16.Memory(static_cast<u16>(0x0300 + i)) = static_cast<u8>(i);
    }
    std::array<u8, 256> buf{};
    buf.fill(0xEE);
    EXPECT_EQ(lpt->ReadRegBlock8(0x01, 255, buf.data()), 0);
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(buf[i], i ^ 0x5A) << i;
    EXPECT_EQ(buf[255], 0xEE);

    EXPECT_EQ(lpt->ReadBlock16(kDev16, 0x0300, 255, buf.data()), 0);
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(buf[i], i) << i;
    EXPECT_EQ(buf[255], 0xEE);
}

TEST_F(LptI2CTest, MissingAcknowledgeClocksOutEverythingAndLeavesTheBufferAlone)
{
    std::array<u8, 3> buf{0xEE, 0xEE, 0xEE};
    EXPECT_EQ(lpt->ReadBlock16(0x50, 0x0000, 3, buf.data()), 1);
    EXPECT_EQ(buf, (std::array<u8, 3>{0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(Trace(), "S 50- 00- 00- S 51- FF+ FF+ FF- P");

    port.Monitor().Clear();
    EXPECT_EQ(lpt->Write16(0x50, 0x0102, 0x03), 1);
    EXPECT_EQ(Trace(), "S 50- 02- 01- 03- P");
}

TEST_F(LptI2CTest, BusScanStopsAtTheFirstDeviceThatAnswers)
{
    EXPECT_EQ(lpt->Connect(), 1);
    EXPECT_EQ(port.Monitor().Starts(), 0x1A - 0x10 + 1);
    EXPECT_TRUE(Trace().ends_with("S 1B+ 00- P"));
}

TEST_F(LptI2CTest, StopAfterNotAcknowledgeWritesExactlyThreeBytes)
{
    u8 out = 0;
    lpt->Read8(kDev, 0x00, &out);
    const std::vector<PortWriteRecord>& w = port.Writes();
    ASSERT_GE(w.size(), 5u);
    const std::vector<PortWriteRecord> tail(w.end() - 5, w.end());
    EXPECT_EQ(tail, (std::vector<PortWriteRecord>{{0x378, 0x02},
                                                  {0x378, 0x00}, // not-acknowledge clock
                                                  {0x378, 0x01},
                                                  {0x378, 0x03},
                                                  {0x378, 0x02}}));
}

TEST_F(LptI2CTest, UnknownWiringDrivesNothingAndReportsFailure)
{
    lpt->SetWiring(2);
    port.ClearWrites();
    u8 out = 0;
    EXPECT_EQ(lpt->Write8(kDev, 0x10, 0x01), 1);
    EXPECT_EQ(lpt->Read8(kDev, 0x10, &out), 1);
    EXPECT_TRUE(port.Writes().empty());
}

TEST_F(LptEmptyBusTest, NothingAnswers)
{
    EXPECT_EQ(lpt->Write8(kDev, 0x05, 0x77), 1);
    EXPECT_EQ(Trace(), "S 1A- 05- 77- P");

    port.Monitor().Clear();
    u8 out = 0;
    EXPECT_EQ(lpt->Read8(kDev, 0x05, &out), 1);
    EXPECT_EQ(out, 0xFF);
    EXPECT_EQ(Trace(), "S 1A- 05- S 1B- FF- P");

    port.Monitor().Clear();
    EXPECT_EQ(lpt->Connect(), 0);
    EXPECT_EQ(port.Monitor().Starts(), 225);
}

struct WiringCase {
    int wiring;
    u16 sclPort;
    u8 sclBit;
    u8 sdaBit;
};

class LptWiringTest : public LptI2CTest, public ::testing::WithParamInterface<WiringCase> {
protected:
    void Populate() override
    {
        port.SetWiring(GetParam().wiring);
        LptI2CTest::Populate();
    }
};

// Each line action writes one byte that flips its own line's bit and nothing else.
TEST_P(LptWiringTest, TransfersWorkAndEachWriteFlipsOneLineBit)
{
    const WiringCase c = GetParam();
    lpt->SetWiring(static_cast<u8>(c.wiring));
    port.ClearWrites();
    u8 data = port.Data();
    u8 control = port.Control();

    u8 out = 0;
    EXPECT_EQ(lpt->Write8(kDev, 0x42, 0xA5), 0);
    EXPECT_EQ(lpt->Read8(kDev, 0x42, &out), 0);
    EXPECT_EQ(out, 0xA5);

    ASSERT_FALSE(port.Writes().empty());
    for (const PortWriteRecord& w : port.Writes()) {
        u8& previous = w.port == 0x378 ? data : control;
        const u8 flipped = previous ^ w.value;
        const bool scl = w.port == c.sclPort && flipped == c.sclBit;
        const bool sda = w.port == 0x378 && flipped == c.sdaBit;
        EXPECT_TRUE(scl || sda) << std::hex << "port " << w.port << " value " << int(w.value);
        previous = w.value;
    }
}

INSTANTIATE_TEST_SUITE_P(BothWirings, LptWiringTest,
                         ::testing::Values(WiringCase{0, 0x378, 0x02, 0x01}, WiringCase{1, 0x37A, 0x08, 0x80}),
                         [](const auto& info) { return "Wiring" + std::to_string(info.param.wiring); });

TEST_F(LptI2CTest, FacadeReachesTheParallelPortOnTransport1)
{
    g_pLink->SetTransport(LinkLpt);
    EXPECT_EQ(g_pLink->Connect(), 1);
    EXPECT_EQ(g_pLink->Write8(kDev, 0x30, 0x11), 0);

    std::array<u8, 3> block{0xEE, 0xEE, 0xEE};
    EXPECT_EQ(g_pLink->ReadBlock8(kDev, 0x30, 3, block.data()), 0);
    EXPECT_EQ(block, (std::array<u8, 3>{0x11, 0xEE, 0xEE}));

    EXPECT_EQ(g_pLink->ModifyReg8(0x30, 0x0A, 0xF0), 0);
    EXPECT_EQ(dev8.Memory(0x30), 0x1A);

    std::array<u8, 0x106> many{};
    many.fill(0xEE);
    EXPECT_EQ(g_pLink->ReadRegBlock8(0x2E, 0x0105, many.data()), 0);
    EXPECT_EQ(many[2], 0x1A);
    EXPECT_EQ(many[5], 0xEE) << "only the count's low byte is read";
    g_pLink->SetTransport(LinkUsb);
}

struct InitFailure {
    const char* name;
    bool present;
    bool claimFails;
    bool heldByOther;
};

class LptUninitialisedTest : public ::testing::TestWithParam<InitFailure> {};

// Without the port library nothing can answer: every transfer fails without touching a port.
TEST_P(LptUninitialisedTest, ShowsTheBoxAndEveryTransferFails)
{
    SimParport port;
    SimI2CSlave dev8{kDev, 1};
    port.Attach(dev8);
    port.present = GetParam().present;
    port.claimFails = GetParam().claimFails;
    port.otherDevices = GetParam().heldByOther ? 1 : 0;
    port.heldByOther = GetParam().heldByOther;
    BoxRecorder boxes;
    SetPortIoBackend(&port);
    {
        LptI2C lpt;
        EXPECT_EQ(g_winIoReady, 0);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(port.BlockedClaims(), 0);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, "Cannot initialize WinIO library");
        EXPECT_EQ(boxes.boxes[0].type & MB_TYPEMASK, MB_OK);

        const int ioctls = port.IoctlCount();
        std::array<u8, 4> buf{0xEE, 0xEE, 0xEE, 0xEE};
        EXPECT_EQ(lpt.Read8(kDev, 0, &buf[0]), 1);
        EXPECT_EQ(lpt.Read16(kDev, 0, &buf[0]), 1);
        EXPECT_EQ(lpt.ReadBlock16(kDev, 0, 4, buf.data()), 1);
        EXPECT_EQ(lpt.ReadReg8(0, &buf[0]), 1);
        EXPECT_EQ(lpt.ReadRegBlock8(0, 4, buf.data()), 1);
        EXPECT_EQ(lpt.ReadReg16(0, &buf[0]), 1);
        EXPECT_EQ(lpt.ReadRegBlock16(0, 4, buf.data()), 1);
        EXPECT_EQ(buf, (std::array<u8, 4>{0xEE, 0xEE, 0xEE, 0xEE}));
        EXPECT_EQ(lpt.Write8(kDev, 0, 1), 1);
        EXPECT_EQ(lpt.Write16(kDev, 0, 1), 1);
        EXPECT_EQ(lpt.WriteReg8(0, 1), 1);
        EXPECT_EQ(lpt.WriteReg16(0, 1), 1);
        EXPECT_EQ(lpt.Connect(), 0);
        EXPECT_EQ(port.IoctlCount(), ioctls);
        EXPECT_TRUE(port.Writes().empty());
    }
    SetPortIoBackend(nullptr);
}

INSTANTIATE_TEST_SUITE_P(NoPortOrBusy, LptUninitialisedTest,
                         ::testing::Values(InitFailure{"NoDevice", false, false, false},
                                           InitFailure{"ClaimRefused", true, true, false},
                                           InitFailure{"HeldByAnotherProgram", true, false, true}),
                         [](const auto& info) { return info.param.name; });

} // namespace
