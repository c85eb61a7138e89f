#include "tqRegs/TQ7790Fields.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string_view NameOf(const RegField& field)
{
    const std::string_view padded = field.name.View();
    return padded.substr(0, padded.find_last_not_of(' ') + 1);
}

int LastBit(const RegField& field)
{
    return field.start_addr + field.length - 1;
}

TEST(TQ7790Fields, CountsPerBankAndPerWidth)
{
    std::map<int, int> perBank;
    std::map<int, int> perWidth;
    for (const RegField& field : g_tq7790Fields) {
        ++perBank[field.bank];
        ++perWidth[field.length];
    }
    EXPECT_EQ(perBank, (std::map<int, int>{{0, 180}, {1, 165}, {2, 334}, {3, 96}, {4, 268}, {5, 270}, {6, 72}}));
    EXPECT_EQ(perWidth, (std::map<int, int>{{1, 573}, {2, 84}, {3, 95},  {4, 124}, {5, 5},   {6, 17},  {7, 20},
                                            {8, 259}, {9, 23}, {10, 35}, {11, 16}, {12, 70}, {13, 38}, {15, 7},
                                            {16, 5},  {22, 8}, {23, 1},  {29, 1},  {30, 3},  {32, 1}}));
}

TEST(TQ7790Fields, OneRunEachBelowTheBankRegisterAndOneSharedBit)
{
    int crossing = 0;
    std::map<std::pair<int, int>, std::vector<std::string_view>> owners;
    for (const RegField& field : g_tq7790Fields) {
        EXPECT_EQ(field.end_addr, -1) << NameOf(field);
        EXPECT_EQ(field.start2_addr, -1) << NameOf(field);
        EXPECT_EQ(field.end2_addr, -1) << NameOf(field);
        EXPECT_GE(field.start_addr, 0) << NameOf(field);
        EXPECT_LE(LastBit(field) / 8, 0xef) << NameOf(field);
        if (field.start_addr % 8 + field.length > 8)
            ++crossing;
        for (int bit = field.start_addr; bit <= LastBit(field); ++bit)
            owners[{field.bank, bit}].push_back(NameOf(field));
    }
    EXPECT_EQ(crossing, 236);

    std::vector<std::pair<int, int>> shared;
    for (const auto& [bit, names] : owners)
        if (names.size() > 1)
            shared.push_back(bit);
    EXPECT_EQ(shared, (std::vector<std::pair<int, int>>{{4, 0x59 * 8}}));
    EXPECT_EQ((owners[{4, 0x59 * 8}]), (std::vector<std::string_view>{"reserved2e", "reserved2f"}));
}

TEST(TQ7790Fields, NamesAndComments)
{
    std::set<std::string_view> names;
    int bare = 0;
    std::vector<std::string_view> withBar;
    for (const RegField& field : g_tq7790Fields) {
        EXPECT_EQ(field.name.View().size(), 49u);
        EXPECT_LE(NameOf(field).size(), 33u);
        names.insert(NameOf(field));
        EXPECT_TRUE(field.comment.starts_with(" #")) << NameOf(field);
        if (field.comment == " #")
            ++bare;
        if (field.comment.find('|') != std::string_view::npos)
            withBar.push_back(NameOf(field));
    }
    EXPECT_EQ(names.size(), g_tq7790Fields.size());
    EXPECT_EQ(bare, 842);
    EXPECT_EQ(withBar, std::vector<std::string_view>{"afe_tstadc1_clk_mux"});
    EXPECT_EQ(NameOf(g_tq7790Fields.front()), "pad_r_hpd0_resetb");
    EXPECT_EQ(NameOf(g_tq7790Fields.back()), "pllv_trigger");
}

TEST(TQ7790Fields, RecordsAsTheirRowsGiveThem)
{
    const auto find = [](std::string_view name) -> const RegField& {
        for (const RegField& field : g_tq7790Fields)
            if (NameOf(field) == name)
                return field;
        throw std::out_of_range(std::string(name));
    };
    const RegField& din = find("pad_r_din_pudown_");
    EXPECT_EQ(din.start_addr + 29, 0x6a * 8 + 5);
    EXPECT_EQ(din.comment, " #  cntrl_pad_[213:184];");
    EXPECT_EQ(find("rst_border_det").start_addr, 1452);
    EXPECT_EQ(find("afe_tstadc1_clk_mux").comment, " # = cntrl_[6] | test_mode;");
    const RegField& wide = find("afe_sp_reserved8");
    EXPECT_EQ(wide.length, 32);
    EXPECT_EQ(wide.bank, 2);
    EXPECT_EQ(wide.start_addr, 0x69 * 8);
}

// Records (numbered from 1), bank and lowest and highest sub-address of each block of the table.
struct Block {
    int first;
    int last;
    int bank;
    int lowSub;
    int highSub;
};

const Block kBlocks[] = {
    {1, 71, 0, 0x50, 0x7c},      {72, 83, 0, 0xb4, 0xb5},     {84, 123, 2, 0x20, 0x3b},    {124, 125, 2, 0x80, 0xa8},
    {126, 206, 2, 0xb0, 0xd3},   {207, 221, 2, 0x97, 0xa6},   {222, 235, 2, 0x80, 0xa7},   {236, 245, 2, 0x8d, 0x92},
    {246, 251, 2, 0x8b, 0x8c},   {252, 271, 2, 0x83, 0x8a},   {272, 298, 2, 0xe0, 0xef},   {299, 305, 2, 0x40, 0x40},
    {306, 311, 2, 0x41, 0x46},   {312, 317, 2, 0x47, 0x4c},   {318, 319, 2, 0x4d, 0x4e},   {320, 336, 2, 0x4f, 0x56},
    {337, 363, 2, 0x57, 0x65},   {364, 366, 2, 0x66, 0x68},   {367, 380, 2, 0x69, 0x75},   {381, 398, 2, 0x76, 0x78},
    {399, 406, 2, 0x79, 0x7f},   {407, 410, 2, 0x93, 0x96},   {411, 414, 2, 0xa0, 0xa0},   {415, 417, 2, 0xa1, 0xa1},
    {418, 467, 0, 0x90, 0xab},   {468, 497, 0, 0x80, 0x8a},   {498, 503, 0, 0x8b, 0x8c},   {504, 504, 0, 0xc5, 0xc5},
    {505, 594, 1, 0x00, 0x73},   {595, 612, 1, 0x74, 0x77},   {613, 669, 1, 0x20, 0x38},   {670, 678, 3, 0xc0, 0xcf},
    {679, 696, 3, 0xd0, 0xd9},   {697, 748, 6, 0x00, 0x33},   {749, 787, 3, 0xa0, 0xad},   {788, 807, 6, 0x34, 0x3f},
    {808, 810, 0, 0xc2, 0xc3},   {811, 812, 0, 0xc0, 0xc0},   {813, 813, 0, 0xcf, 0xcf},   {814, 815, 0, 0xca, 0xca},
    {816, 816, 0, 0xc1, 0xc1},   {817, 844, 5, 0x00, 0x03},   {845, 854, 5, 0x04, 0x12},   {855, 863, 5, 0x13, 0x1b},
    {864, 890, 5, 0x1c, 0x2f},   {891, 898, 5, 0x30, 0x37},   {899, 914, 5, 0x40, 0x43},   {915, 935, 5, 0x44, 0x49},
    {936, 949, 5, 0x4a, 0x4f},   {950, 957, 5, 0x50, 0x57},   {958, 970, 5, 0x58, 0x5f},   {971, 993, 5, 0x60, 0x6b},
    {994, 1015, 5, 0x6c, 0x8f},  {1016, 1031, 5, 0x90, 0x9b}, {1032, 1047, 5, 0xa0, 0xab}, {1048, 1059, 5, 0xb0, 0xb7},
    {1060, 1075, 5, 0xb8, 0xc0}, {1076, 1086, 5, 0xd0, 0xd7}, {1087, 1128, 4, 0x00, 0x0f}, {1129, 1191, 4, 0x10, 0x43},
    {1192, 1240, 4, 0x44, 0x62}, {1241, 1259, 4, 0x63, 0x6d}, {1260, 1284, 4, 0x6f, 0x7f}, {1285, 1332, 4, 0x80, 0xaf},
    {1333, 1354, 4, 0xb0, 0xc1}, {1355, 1384, 3, 0xb1, 0xbc}, {1385, 1385, 0, 0x8d, 0x8d},
};

TEST(TQ7790Fields, BlocksFollowOneAnotherInTheirBanksAndRanges)
{
    int next = 1;
    for (const Block& block : kBlocks) {
        EXPECT_EQ(block.first, next);
        next = block.last + 1;
        for (int record = block.first; record <= block.last; ++record) {
            const RegField& field = g_tq7790Fields.at(static_cast<std::size_t>(record - 1));
            EXPECT_EQ(field.bank, block.bank) << NameOf(field);
            EXPECT_GE(field.start_addr / 8, block.lowSub) << NameOf(field);
            EXPECT_LE(LastBit(field) / 8, block.highSub) << NameOf(field);
        }
    }
    EXPECT_EQ(next, 1386);
}

} // namespace
