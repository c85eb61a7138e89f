#include "tqRegs/TQ4120Fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct ByteRange {
    int first;
    int last;
};

// A block of the table: its records (table indices, both included) and the register bytes they
// cover.
struct Block {
    std::size_t first;
    std::size_t last;
    std::vector<ByteRange> bytes;
};

const std::vector<Block> kBlocks = {
    {0, 70, {{0x0220, 0x022B}}},
    {71, 82, {{0x02D4, 0x02D5}}},
    {83, 84, {{0x02A8, 0x02A8}, {0x0280, 0x0280}}},
    {85, 182, {{0x02D6, 0x02F8}}},
    {183, 197, {{0x0297, 0x0297}, {0x02A3, 0x02A6}}},
    {198, 211, {{0x0280, 0x0282}, {0x02A7, 0x02A7}}},
    {212, 221, {{0x028D, 0x0292}}},
    {222, 227, {{0x028B, 0x028C}}},
    {228, 247, {{0x0283, 0x028A}}},
    {248, 274, {{0x0390, 0x039F}}},
    {275, 331, {{0x0240, 0x025F}}},
    {332, 382, {{0x0260, 0x027F}}},
    {383, 386, {{0x0293, 0x0296}}},
    {387, 393, {{0x02A0, 0x02A0}, {0x02A2, 0x02A2}}},
    {394, 443, {{0x0200, 0x021B}}},
    {444, 479, {{0x02B0, 0x02BC}}},
    {480, 491, {{0x02FB, 0x02FE}}},
    {492, 492, {{0x0235, 0x0235}}},
    {493, 523, {{0x03A0, 0x03A1}, {0x03A4, 0x03AA}}},
    {524, 628, {{0x0180, 0x0196}, {0x0198, 0x019A}, {0x01C0, 0x01F7}}},
    {629, 685, {{0x01A0, 0x01B8}}},
    {686, 701, {{0x0600, 0x060E}}},
    {702, 761, {{0x0610, 0x0638}}},
    {762, 802, {{0x0640, 0x0655}}},
    {803, 828, {{0x0656, 0x066B}, {0x066E, 0x0673}, {0x067F, 0x067F}}},
    {829, 837, {{0x03C0, 0x03C6}, {0x03C8, 0x03CF}}},
    {838, 855, {{0x03D0, 0x03D7}, {0x03D9, 0x03D9}}},
    {856, 951, {{0x0300, 0x035F}}},
    {952, 1011, {{0x0360, 0x0376}, {0x0378, 0x037F}}},
    {1012, 1020, {{0x0380, 0x0387}}},
    {1021, 1071, {{0x0700, 0x0700}, {0x0702, 0x0733}}},
    {1072, 1132, {{0x0100, 0x010B}, {0x0110, 0x012A}, {0x0130, 0x013B}}},
    {1133, 1177, {{0x0140, 0x0140}, {0x0144, 0x0144}, {0x0150, 0x017F}}},
    {1178, 1186, {{0x0236, 0x0237}}},
    {1187, 1210, {{0x0230, 0x0234}, {0x0238, 0x023A}, {0x023F, 0x023F}}},
    {1211, 1282, {{0x02C0, 0x02D3}}},
    {1283, 1312, {{0x03B1, 0x03BC}}},
    {1313, 1314, {{0x02BD, 0x02BD}, {0x02FE, 0x02FE}}},
};

int Span(const RegField16& field)
{
    return (field.start_bit + field.width + 7) / 8;
}

std::set<int> BytesOf(const RegField16& field)
{
    std::set<int> bytes;
    for (int i = 0; i < Span(field); ++i)
        bytes.insert(field.address + i);
    return bytes;
}

std::string Trimmed(const RegField16& field)
{
    const std::string_view name = field.name.View();
    return std::string(name.substr(0, name.find(' ')));
}

std::size_t IndexOf(std::string_view name)
{
    for (std::size_t i = 0; i < g_tq4120Fields.size(); ++i)
        if (Trimmed(g_tq4120Fields[i]) == name)
            return i;
    return g_tq4120Fields.size();
}

} // namespace

TEST(Tq4120Fields, BlocksHoldTheirRecordsAndRegisterBytes)
{
    std::size_t next = 0;
    for (const Block& block : kBlocks) {
        SCOPED_TRACE(testing::Message() << "records " << block.first << " to " << block.last);
        EXPECT_EQ(block.first, next);
        next = block.last + 1;
        std::set<int> want;
        for (const ByteRange& range : block.bytes)
            for (int a = range.first; a <= range.last; ++a)
                want.insert(a);
        std::set<int> got;
        for (std::size_t i = block.first; i <= block.last; ++i)
            got.merge(BytesOf(g_tq4120Fields[i]));
        EXPECT_EQ(got, want);
    }
    EXPECT_EQ(next, g_tq4120Fields.size());
}

TEST(Tq4120Fields, TotalsOfTheTable)
{
    std::map<int, int> spans;
    std::map<int, int> pages;
    std::set<int> bytes;
    for (const RegField16& field : g_tq4120Fields) {
        ++spans[Span(field)];
        ++pages[field.address >> 8];
        bytes.merge(BytesOf(field));
        EXPECT_GE(field.width, 1);
        EXPECT_LE(field.width, 35);
        EXPECT_LE(field.start_bit, 7);
        EXPECT_GE(field.address, 0x0100);
        EXPECT_LE(field.address, 0x0733);
    }
    EXPECT_EQ(spans, (std::map<int, int>{{1, 1080}, {2, 224}, {3, 8}, {4, 2}, {5, 1}}));
    EXPECT_EQ(pages, (std::map<int, int>{{1, 268}, {2, 573}, {3, 280}, {6, 143}, {7, 51}}));
    EXPECT_EQ(bytes.size(), 785u);
}

TEST(Tq4120Fields, OnlyThePll2xReservedBitsBelongToTwoRecords)
{
    std::map<int, std::vector<std::string>> owners;
    for (const RegField16& field : g_tq4120Fields)
        for (int k = 0; k < field.width; ++k)
            owners[field.address * 8 + field.start_bit + k].push_back(Trimmed(field));
    std::map<int, std::vector<std::string>> shared;
    for (const auto& [bit, names] : owners)
        if (names.size() > 1)
            shared[bit] = names;
    std::map<int, std::vector<std::string>> want;
    for (int bit = 1; bit <= 7; ++bit)
        want[0x02FE * 8 + bit] = {"pll2x_reserved_1", "pll2x_trigger_reserved"};
    EXPECT_EQ(shared, want);
}

TEST(Tq4120Fields, NamesAndComments)
{
    std::set<std::string> names;
    for (const RegField16& field : g_tq4120Fields) {
        EXPECT_EQ(field.name.View().size(), 49u);
        EXPECT_LE(Trimmed(field).size(), 33u);
        names.insert(Trimmed(field));
        ASSERT_FALSE(field.comment.empty());
        EXPECT_EQ(field.comment.front(), '#');
    }
    EXPECT_EQ(names.size(), g_tq4120Fields.size());
}

TEST(Tq4120Fields, NamedRecords)
{
    struct Row {
        std::size_t index;
        std::string_view name;
        int width;
        int address;
        int startBit;
        std::string_view comment;
    };
    const Row rows[] = {
        {0, "dout_gpi_pd_en_l", 1, 0x0220, 0, "#"},
        {1, "dout_gpi_pd_en_m", 1, 0x0220, 2, "#"},
        {226, "pa_lat", 1, 0x028c, 0, "#@PA cntrl latch enable"},
        {246, "afe_pllad_lat", 1, 0x028a, 0, "# PLLAD latch signal"},
        {273, "afe_dpllad_lat", 1, 0x039e, 7, "# cntrl_[119];"},
        {312, "afe_sp_reserved_7", 9, 0x0255, 7, "# Reserved"},
        {343, "afe_sp_reserved_10", 32, 0x0269, 0, "# Reserved"},
        {382, "afe_sp_reserved_20", 29, 0x027c, 3, "#      "},
        {427, "at_bd_h_p2_", 12, 0x020c, 4, "# horizontal position 2"},
        {490, "pll2x_trigger", 1, 0x02fe, 0, "#@PLL2X Register trigger bit"},
        {491, "pll2x_reserved_1", 7, 0x02fe, 1, "# Reserved"},
        {493, "clb_prog", 1, 0x03a0, 0, "#"},
        {553, "if_vs_regen_st_", 22, 0x0194, 0, "#default : d64"},
        {554, "if_vs_regen_sp_", 22, 0x0198, 0, "#default : d6144"},
        {570, "if_gamma0_", 10, 0x01c4, 2, "#"},
        {1277, "lvds_prd_val", 35, 0x02cd, 0, "# for test value load"},
        {1312, "hdmi_tx_vb3c", 3, 0x03bc, 0, "# tx_cntrl_[98:96];"},
        {1313, "pllv_trigger", 1, 0x02bd, 0, "#PLLV trigger bit"},
        {1314, "pll2x_trigger_reserved", 7, 0x02fe, 1, "#Reserved"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(IndexOf(row.name), row.index);
        const RegField16& field = g_tq4120Fields[row.index];
        EXPECT_EQ(field.width, row.width);
        EXPECT_EQ(field.address, row.address);
        EXPECT_EQ(field.start_bit, row.startBit);
        EXPECT_EQ(field.comment, row.comment);
    }
}
