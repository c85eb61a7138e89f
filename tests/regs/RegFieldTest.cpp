#include "tqRegs/TextReg.h"
#include "tqRegs/TextReg16.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace {

// Tables of records are constant data: built by the compiler, nothing to run at start-up.
constexpr RegField kBanked[] = {
    RegField("dout_gpi_pd_en_l", 8, 2, 0x103, " # comment"),
    RegField("split", 8, 0x106, 16, 19, 40, 47, " # 100% split"),
    RegField("AFE_ADCPD                                        ", 0x120, -1, 1912, ""),
};
constexpr RegField16 kWide[] = {
    RegField16("lvds_prd_val", 35, 0x02cd, 0, "# for test value load"),
    RegField16("x%sy", 0x103, 0x12345, 0x106, "#%d"),
};

static_assert(std::is_trivially_copyable_v<RegField> && std::is_trivially_destructible_v<RegField>);
static_assert(std::is_trivially_copyable_v<RegField16> && std::is_trivially_destructible_v<RegField16>);

TEST(RegField, OneRunLeavesTheOtherAddressesUnset)
{
    constexpr RegField f = kBanked[0];
    static_assert(f.start2_addr == -1 && f.end_addr == -1 && f.end2_addr == -1);
    EXPECT_EQ(f.length, 8);
    EXPECT_EQ(f.bank, 2);
    EXPECT_EQ(f.start_addr, 0x103);
    EXPECT_EQ(f.comment, " # comment");
}

TEST(RegField, SplitStoresBothStartsBeforeBothEnds)
{
    const RegField& f = kBanked[1];
    EXPECT_EQ(f.start_addr, 16);
    EXPECT_EQ(f.start2_addr, 40);
    EXPECT_EQ(f.end_addr, 19);
    EXPECT_EQ(f.end2_addr, 47);
    EXPECT_EQ(f.bank, 0x06) << "the low 8 bits";
    EXPECT_EQ(f.comment, " # 100% split");
}

TEST(RegField, NamesArePaddedToTheirColumnAndKeptAsGiven)
{
    EXPECT_EQ(kBanked[0].name.View(), "dout_gpi_pd_en_l" + std::string(33, ' '));
    EXPECT_EQ(kBanked[2].name.View(), "AFE_ADCPD" + std::string(40, ' '));
    EXPECT_EQ(kWide[1].name.View(), "x%sy" + std::string(45, ' '));
    EXPECT_EQ(kBanked[2].length, 0x20);
    EXPECT_EQ(kBanked[2].bank, 0xFF);
}

TEST(RegField16, NumbersKeepTheirMembersWidth)
{
    EXPECT_EQ(kWide[0].width, 35);
    EXPECT_EQ(kWide[0].address, 0x02cd);
    EXPECT_EQ(kWide[0].start_bit, 0);
    EXPECT_EQ(kWide[0].comment, "# for test value load");
    EXPECT_EQ(kWide[1].width, 0x03);
    EXPECT_EQ(kWide[1].address, 0x2345);
    EXPECT_EQ(kWide[1].start_bit, 0x06);
    EXPECT_EQ(kWide[1].comment, "#%d");
}

} // namespace
