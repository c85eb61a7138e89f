#include "tqLink/SimDevice.h"

#include <gtest/gtest.h>

#include <array>

namespace {

u8 Read8(SimDevice& d, u8 sub, u8 slave = 0x1A)
{
    u8 out = 0xEE;
    EXPECT_EQ(d.Read8(slave, sub, &out), 0);
    return out;
}

TEST(SimDevice, FreshDeviceHoldsTheIdentificationBytes)
{
    SimDevice d;
    EXPECT_EQ(Read8(d, 0), 0x00);
    EXPECT_EQ(Read8(d, 1), 0xF2);
    EXPECT_EQ(Read8(d, 2), 0x18);
    EXPECT_EQ(Read8(d, 3), 0x03);
    for (int sub = 0xF0; sub <= 0xFF; ++sub)
        EXPECT_EQ(Read8(d, static_cast<u8>(sub)), 0) << sub;
    EXPECT_EQ(Read8(d, 1, 0x20), Read8(d, 1, 0xA0));
}

TEST(SimDevice, PageByteSelectsBanksThroughEveryAlias)
{
    SimDevice d;
    d.Write8(0x1A, 0xF0, 0x02);
    EXPECT_EQ(Read8(d, 0xF7), 0x02);
    EXPECT_EQ(Read8(d, 1), 0x00);
    d.Write8(0x1A, 0x10, 0x99);
    d.Write8(0x1A, 0xF5, 0x00);
    EXPECT_EQ(Read8(d, 1), 0xF2);
    EXPECT_EQ(Read8(d, 0x10), 0x00);
    d.WriteReg8(0xFF, 0x02);
    EXPECT_EQ(Read8(d, 0x10), 0x99);
}

TEST(SimDevice, BlockReadWrapsWithinThePage)
{
    SimDevice d;
    std::array<u8, 4> out{};
    d.ReadRegBlock8(0xFE, 4, out.data());
    EXPECT_EQ(out, (std::array<u8, 4>{0x00, 0x00, 0x00, 0xF2}));

    out.fill(0xEE);
    d.ReadRegBlock16(0x0000, 0, out.data());
    EXPECT_EQ(out[0], 0xEE);
}

TEST(SimDevice, SixteenBitMemoryIsSeparate)
{
    SimDevice d;
    d.Write16(0x1A, 0x0123, 0x5A);
    u8 out = 0;
    d.Read16(0x1A, 0x0123, &out);
    EXPECT_EQ(out, 0x5A);
    d.ReadReg16(0x0123, &out);
    EXPECT_EQ(out, 0x5A);
    for (int sub = 0; sub < 0xF0; ++sub)
        EXPECT_NE(Read8(d, static_cast<u8>(sub)), 0x5A);
}

TEST(SimDevice, AccessesBeyondTheModelTouchNothing)
{
    SimDevice d;
    d.Write8(0x1A, 0xF0, 64); // no such page
    EXPECT_EQ(Read8(d, 0x01), 0x00);
    d.Write8(0x1A, 0x01, 0x77);
    std::array<u8, 3> out;
    out.fill(0xEE);
    d.ReadRegBlock8(0x00, 3, out.data());
    EXPECT_EQ(out, (std::array<u8, 3>{0, 0, 0}));
    d.Write8(0x1A, 0xF0, 0);
    EXPECT_EQ(Read8(d, 0x01), 0xF2);

    d.Write16(0x1A, 0x1000, 0x11);
    d.WriteReg16(0xFFFF, 0x22);
    u8 b = 0xEE;
    d.Read16(0x1A, 0x1000, &b);
    EXPECT_EQ(b, 0);
    d.WriteReg16(0x0FFF, 0x33);
    std::array<u8, 4> tail;
    d.ReadRegBlock16(0x0FFE, 4, tail.data());
    EXPECT_EQ(tail, (std::array<u8, 4>{0, 0x33, 0, 0}));
    d.ReadRegBlock16(0xFFFF, 2, tail.data()); // wraps to 0x0000
    EXPECT_EQ(tail[1], 0x00);
}

} // namespace
