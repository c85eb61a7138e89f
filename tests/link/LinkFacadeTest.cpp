#include "tqLink/I2CLink.h"
#include "tqLink/SimDevice.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class LinkFacade : public ::testing::Test {
protected:
    void TearDown() override { g_pLink->SetTransport(LinkUsb); }
};

TEST(LinkStartUp, DefaultsBeforeAnyWindow)
{
    EXPECT_EQ(g_pLink, &g_link);
    EXPECT_EQ(g_pLink->GetDeviceAddress(), 0x1A);
    EXPECT_EQ(g_pLink->GetTransport(), LinkUsb);
    EXPECT_EQ(g_pLink->GetSpare(), 0);
}

TEST_F(LinkFacade, UnknownTransportIsInert)
{
    g_pLink->SetTransport(7);
    u8 out = 0x77;
    EXPECT_EQ(g_pLink->Read8(0x1A, 0x01, &out), 0);
    EXPECT_EQ(g_pLink->ReadReg16(0x0001, &out), 0);
    EXPECT_EQ(g_pLink->AuxRead1(1, &out), 0);
    EXPECT_EQ(out, 0x77);
    EXPECT_EQ(g_pLink->Modify8(0x1A, 0x10, 0xFF, 0x00), 0);
    EXPECT_EQ(g_pLink->Write16(0x1A, 0x10, 0xFF), 0);
    EXPECT_EQ(g_pLink->Connect(), 0);
    EXPECT_EQ(g_pLink->GetTransport(), 7);
}

TEST_F(LinkFacade, SimulatedDeviceConnectsAndServesBlocksAsTheLinkSays)
{
    g_pLink->SetTransport(LinkSim);
    EXPECT_EQ(g_pLink->Connect(), 1);

    std::array<u8, 8> block;
    block.fill(0xEE);
    EXPECT_EQ(g_pLink->ReadBlock8(0x1A, 0x01, 5, block.data()), 0);
    EXPECT_EQ(block[0], 0xF2);
    EXPECT_EQ(block[1], 0xEE); // only the first byte at a slave address

    std::array<u8, 300> big;
    big.fill(0xEE);
    EXPECT_EQ(g_pLink->ReadRegBlock8(0x01, 0x0105, big.data()), 0);
    EXPECT_EQ(big[0], 0xF2);
    EXPECT_EQ(big[2], 0x03);
    EXPECT_EQ(big[4], 0x00);
    EXPECT_EQ(big[5], 0xEE); // the count's low byte: 5
}

TEST_F(LinkFacade, MaskedWritesKeepTheMaskedBits)
{
    g_pLink->SetTransport(LinkSim);
    struct Case {
        u8 old, value, keep, expected;
    };
    for (const Case& c : {Case{0x5C, 0x0A, 0xF0, 0x5A}, Case{0x5C, 0xA5, 0x00, 0xA5}, Case{0x5C, 0xA5, 0xFF, 0x5C}}) {
        ASSERT_EQ(g_pLink->Write8(0x1A, 0x40, c.old), 0);
        EXPECT_EQ(g_pLink->Modify8(0x1A, 0x40, c.value, c.keep), 0);
        u8 now = 0;
        g_pLink->Read8(0x1A, 0x40, &now);
        EXPECT_EQ(now, c.expected) << std::hex << int(c.old) << " " << int(c.value) << " " << int(c.keep);

        g_pLink->WriteReg16(0x0123, c.old);
        EXPECT_EQ(g_pLink->ModifyReg16(0x0123, c.value, c.keep), 0);
        g_pLink->Read16(0x20, 0x0123, &now);
        EXPECT_EQ(now, c.expected);
    }
    // Only the low bits of the wide arguments reach the bus.
    EXPECT_EQ(g_pLink->Modify8(0x11A, 0x140, 0x1FF, 0x0F), 0);
    u8 now = 0;
    g_pLink->Read8(0x1A, 0x40, &now);
    EXPECT_EQ(now, 0xFC);
}

} // namespace
