#include "tqRegs/TQ7730Fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace {

std::string_view Trimmed(const RegField& field)
{
    const std::string_view name = field.name.View();
    return name.substr(0, name.find(' '));
}

bool SpansSubAddresses(const RegField& field)
{
    return (field.start_addr + field.length - 1) / 8 != field.start_addr / 8;
}

struct Block {
    const char* name;
    int first; // table rows, from 1
    int last;
    int bank;
    int bits;
    std::map<int, int> widths; // width -> number of fields
    int spanning;              // fields over two or more sub-addresses
};

// The blocks of the table and what is stated of each.
const Block kBlocks[] = {
    {"bank 6", 1, 128, 6, 516, {{1, 64}, {2, 10}, {3, 7}, {4, 5}, {5, 3}, {7, 3}, {8, 19}, {11, 1}, {12, 16}}, 17},
    {"bank 4",
     129,
     265,
     4,
     802,
     {{1, 45}, {2, 4}, {3, 2}, {4, 6}, {5, 2}, {6, 2}, {7, 14}, {8, 33}, {11, 13}, {12, 16}},
     29},
    {"bank 1", 266, 387, 1, 395, {{1, 60}, {2, 7}, {3, 8}, {4, 19}, {5, 2}, {7, 8}, {8, 16}, {9, 1}, {18, 1}}, 2},
    {"bank 0", 388, 502, 0, 131, {{1, 104}, {2, 8}, {3, 2}, {5, 1}}, 0},
    {"memory", 503, 568, 2, 0, {}, 1},
    {"OSD", 569, 590, 0, 72, {}, 1},
    {"capture, playback and FIFO", 591, 658, 2, 0, {}, 14},
    {"bank 5", 659, 844, 5, 0, {}, 46},
};

} // namespace

TEST(TQ7730Fields, HoldTheStatedTotals)
{
    int bits = 0;
    int oneBit = 0;
    int spanning = 0;
    std::size_t longest = 0;
    std::size_t shortest = 100;
    std::set<std::string_view> names;
    std::set<int> banks;
    for (const RegField& field : g_tq7730Fields) {
        bits += field.length;
        oneBit += field.length == 1;
        spanning += SpansSubAddresses(field);
        longest = std::max(longest, Trimmed(field).size());
        shortest = std::min(shortest, Trimmed(field).size());
        names.insert(Trimmed(field));
        banks.insert(field.bank);
        EXPECT_EQ(field.end_addr, -1) << Trimmed(field);
        EXPECT_EQ(field.start2_addr, -1) << Trimmed(field);
        EXPECT_EQ(field.end2_addr, -1) << Trimmed(field);
        EXPECT_TRUE(field.length >= 1 && field.length <= 32) << Trimmed(field);
        EXPECT_TRUE(field.comment.starts_with(" #")) << Trimmed(field);
        EXPECT_LE((field.start_addr + field.length - 1) / 8, 0xEF) << Trimmed(field);
    }
    EXPECT_EQ(g_tq7730Fields.size(), 844u);
    EXPECT_EQ(bits, 3412);
    EXPECT_EQ(oneBit, 414);
    EXPECT_EQ(spanning, 110);
    EXPECT_EQ(names.size(), 844u);
    EXPECT_EQ(longest, 29u);
    EXPECT_EQ(shortest, 5u);
    EXPECT_EQ(banks, (std::set<int>{0, 1, 2, 4, 5, 6}));
    EXPECT_EQ(Trimmed(g_tq7730Fields.front()), "adc_SOGEN");
    EXPECT_EQ(Trimmed(g_tq7730Fields.back()), "pip_v_sp");
}

TEST(TQ7730Fields, FallIntoTheStatedBlocks)
{
    for (const Block& block : kBlocks) {
        SCOPED_TRACE(block.name);
        int bits = 0;
        int spanning = 0;
        std::map<int, int> widths;
        for (int row = block.first; row <= block.last; ++row) {
            const RegField& field = g_tq7730Fields.at(static_cast<std::size_t>(row - 1));
            EXPECT_EQ(field.bank, block.bank) << Trimmed(field);
            bits += field.length;
            spanning += SpansSubAddresses(field);
            ++widths[field.length];
        }
        if (block.bits != 0) {
            EXPECT_EQ(bits, block.bits);
        }
        if (!block.widths.empty()) {
            EXPECT_EQ(widths, block.widths);
        }
        EXPECT_EQ(spanning, block.spanning);
    }
    // No field of banks 4, 1, 5 or 6 lies outside its block; banks 0 and 2 have two blocks each.
    EXPECT_EQ(std::count_if(g_tq7730Fields.begin(), g_tq7730Fields.end(),
                            [](const RegField& f) { return f.bank == 6; }),
              128);
    EXPECT_EQ(std::count_if(g_tq7730Fields.begin(), g_tq7730Fields.end(),
                            [](const RegField& f) { return f.bank == 5; }),
              186);
}

TEST(TQ7730Fields, ShareNoBit)
{
    std::set<std::pair<int, int>> taken;
    for (const RegField& field : g_tq7730Fields)
        for (int k = 0; k < field.length; ++k)
            EXPECT_TRUE(taken.insert({field.bank, field.start_addr + k}).second) << Trimmed(field) << " bit " << k;
}

TEST(TQ7730Fields, KeepNamesAndCommentsByteForByte)
{
    const RegField& first = g_tq7730Fields.front();
    EXPECT_EQ(first.name.View(), "adc_SOGEN" + std::string(40, ' '));
    EXPECT_EQ(first.comment, " #SOG enable signal (0:disable SOG(default); 1:enable SOG)");
    EXPECT_EQ(first.start_addr, 16);
    // Trailing and inner blanks belong to the comments.
    EXPECT_EQ(g_tq7730Fields[17].comment, " #Gain control for B channel ");
    EXPECT_EQ(Trimmed(g_tq7730Fields[127]), "sp_test_signal_sel");
    EXPECT_EQ(g_tq7730Fields[127].start_addr, 796);
    EXPECT_EQ(Trimmed(g_tq7730Fields[43]), "pllad_MD");
    EXPECT_EQ(g_tq7730Fields[43].start_addr, 144);
    EXPECT_EQ(Trimmed(g_tq7730Fields[692]), "vds_fr_select");
    EXPECT_EQ(g_tq7730Fields[692].length, 32);
    EXPECT_EQ(g_tq7730Fields[692].start_addr, 0x1B * 8);
}
