#include "platform/portio.h"
#include "SimParport.h"
#include "platform/PortIoBackend.h"

#include <gtest/gtest.h>

namespace {

class PortIoTest : public ::testing::Test {
protected:
    void SetUp() override { SetPortIoBackend(&port); }
    void TearDown() override
    {
        ShutdownWinIo();
        SetPortIoBackend(nullptr);
    }

    SimParport port;
};

TEST_F(PortIoTest, InitializeClaimsThePortAndShutdownClosesIt)
{
    ASSERT_TRUE(InitializeWinIo());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(port.IsClaimed());

    ShutdownWinIo();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Closes(), 1);
    std::uint32_t value = 0;
    EXPECT_FALSE(GetPortVal(0x379, &value, 1));
}

TEST_F(PortIoTest, InitializeFailsWithoutTheDeviceOrTheClaimAndLeavesNothingOpen)
{
    port.present = false;
    EXPECT_FALSE(InitializeWinIo());
    EXPECT_EQ(port.IoctlCount(), 0);

    port.present = true;
    port.claimFails = true;
    EXPECT_FALSE(InitializeWinIo());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Closes(), 1);
    EXPECT_FALSE(SetPortVal(0x378, 0x01, 1));
}

// A claim that would wait for another device to let go of the port fails at once instead.
TEST_F(PortIoTest, PortRegisteredToAnotherDeviceIsRefusedWithoutWaiting)
{
    struct Case {
        const char* name;
        bool heldByOther;
    };
    for (const Case c : {Case{"another program holds it", true}, Case{"the lp driver is loaded", false}}) {
        SCOPED_TRACE(c.name);
        SimParport busy;
        busy.otherDevices = 1;
        busy.heldByOther = c.heldByOther;
        SetPortIoBackend(&busy);
        EXPECT_FALSE(InitializeWinIo());
        EXPECT_EQ(busy.BlockedClaims(), 0);
        EXPECT_FALSE(busy.IsOpen());
        EXPECT_FALSE(SetPortVal(0x378, 0x02, 1));
    }

    SetPortIoBackend(&port);
    ASSERT_TRUE(InitializeWinIo());
    EXPECT_TRUE(port.IsClaimed());
}

// The callers expect the registers exactly as the PC port holds them.
TEST_F(PortIoTest, PortsMapToTheirRegisters)
{
    ASSERT_TRUE(InitializeWinIo());
    EXPECT_TRUE(SetPortVal(0x378, 0x1A4, 1));
    EXPECT_TRUE(SetPortVal(0x37A, 0x08, 1));
    EXPECT_EQ(port.Data(), 0xA4);
    EXPECT_EQ(port.Control(), 0x08);

    std::uint32_t value = 0xABCD0000;
    EXPECT_TRUE(GetPortVal(0x378, &value, 1));
    EXPECT_EQ(value, 0xABCD00A4u) << "only the low byte is replaced";
    value = 0;
    EXPECT_TRUE(GetPortVal(0x37A, &value, 1));
    EXPECT_EQ(value, 0x08u);

    // SDA (status bit 5) follows the data-port bit that pulls it low.
    EXPECT_TRUE(GetPortVal(0x379, &value, 1));
    EXPECT_EQ(value, 0x20u);
    EXPECT_TRUE(SetPortVal(0x378, 0x01, 1));
    EXPECT_TRUE(GetPortVal(0x379, &value, 1));
    EXPECT_EQ(value, 0x00u);

    EXPECT_EQ(port.Writes(), (std::vector<PortWriteRecord>{{0x378, 0xA4}, {0x37A, 0x08}, {0x378, 0x01}}));
}

TEST_F(PortIoTest, RejectsOtherPortsWidthsAndTheStatusWrite)
{
    ASSERT_TRUE(InitializeWinIo());
    const int ioctls = port.IoctlCount();
    std::uint32_t value = 0;
    for (std::uint16_t p : {0x377, 0x37B, 0x278}) {
        EXPECT_FALSE(SetPortVal(p, 0, 1)) << p;
        EXPECT_FALSE(GetPortVal(p, &value, 1)) << p;
    }
    EXPECT_FALSE(SetPortVal(0x378, 0, 2));
    EXPECT_FALSE(GetPortVal(0x378, &value, 4));
    EXPECT_FALSE(SetPortVal(0x379, 0, 1));
    EXPECT_EQ(port.IoctlCount(), ioctls);
}

TEST_F(PortIoTest, InitializingAgainMovesToTheNewBackend)
{
    ASSERT_TRUE(InitializeWinIo());
    SimParport other;
    SetPortIoBackend(&other);
    ASSERT_TRUE(InitializeWinIo());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(other.IsOpen());

    EXPECT_TRUE(SetPortVal(0x378, 0x02, 1));
    EXPECT_TRUE(port.Writes().empty());
    EXPECT_EQ(other.Writes().size(), 1u);
    ShutdownWinIo();
}

} // namespace
