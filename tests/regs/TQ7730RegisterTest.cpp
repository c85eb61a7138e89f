#include "TQ7730Fixture.h"

#include <string>
#include <vector>

namespace {

class TQ7730RegisterTest : public TQ7730Fixture {
protected:
    void Set(int bank, std::uint8_t sub, std::uint8_t value) { emulator.Slave().Paged(bank, sub) = value; }
    std::uint8_t At(int bank, std::uint8_t sub) { return emulator.Slave().Paged(bank, sub); }
};

std::vector<Bytes> Repeat(const Bytes& transaction, int times)
{
    return std::vector<Bytes>(static_cast<std::size_t>(times), transaction);
}

std::vector<Bytes> Join(std::initializer_list<std::vector<Bytes>> parts)
{
    std::vector<Bytes> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// First run bits 6-7 of 0x20, second run bits 0-1 of 0x25, in bank 1.
const RegField kSplit{"split_field", 4, 1, 0x20 * 8 + 6, 0x20 * 8 + 7, 0x25 * 8 + 0, 0x25 * 8 + 1, " #"};

} // namespace

TEST_F(TQ7730RegisterTest, BankRegisterIsF4WithoutATransfer)
{
    EXPECT_EQ(g_tq7730Register.GetBankReg(), 0xF4);
    EXPECT_EQ(static_cast<TQRegister&>(g_tq7730Register).GetBankReg(), 0xF4);
    EXPECT_TRUE(Bus().empty());
}

TEST_F(TQ7730RegisterTest, CheckChipIdReadsAllThreeBytesOfBankZero)
{
    struct Case {
        std::uint8_t id[3];
        int failedRead; // transaction that fails, or -1
        bool answer;
    };
    const Case cases[] = {
        {{0xA0, 0x02, 0x02}, -1, true},  {{0xA1, 0x02, 0x02}, -1, false}, {{0xA0, 0x03, 0x02}, -1, false},
        {{0xA0, 0x02, 0x01}, -1, false}, {{0x00, 0x00, 0x00}, -1, false}, {{0xA0, 0x02, 0x02}, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.id[0]) << ' ' << int(c.id[1]) << ' ' << int(c.id[2])
                                        << " failing " << c.failedRead);
        g_pLink->Write8(0x1A, 0xF4, 5);
        for (int i = 0; i < 3; ++i) {
            Set(0, static_cast<std::uint8_t>(0x0B + i), c.id[i]);
            Set(5, static_cast<std::uint8_t>(0x0B + i), 0x02); // the bank selected before must not count
        }
        Set(5, 0x0B, 0xA0);
        emulator.ClearLog();
        if (c.failedRead >= 0)
            FailTransaction(static_cast<std::size_t>(c.failedRead));
        EXPECT_EQ(g_tq7730Register.CheckChipId(), c.answer);
        EXPECT_EQ(Bus(), (std::vector<Bytes>{Write8(0xF4, 0x00), Read8(0x0B), Read8(0x0C), Read8(0x0D)}));
        EXPECT_EQ(emulator.Slave().Page(), 0);
        emulator.SetPlugSource(nullptr);
    }
}

TEST_F(TQ7730RegisterTest, ReadFieldSelectsTheBankAndReadsEachBit)
{
    Set(6, 0x12, 0xBC);
    Set(6, 0x13, 0xFA);
    EXPECT_EQ(g_tq7730Register.ReadField(Field("pllad_MD")), 0xABC);
    EXPECT_EQ(Bus(), Join({{Write8(0xF4, 6)}, Repeat(Read8(0x12), 8), Repeat(Read8(0x13), 4)}));

    // The bank stays selected for the bit operations.
    emulator.ClearLog();
    Set(6, 0x40, 0x08);
    EXPECT_TRUE(g_tq7730Register.ReadBit(0x1A, 0x40 * 8 + 3));
    g_tq7730Register.WriteBit(0x1A, 0x40 * 8 + 0, true);
    EXPECT_EQ(At(6, 0x40), 0x09);
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Read8(0x40), Read8(0x40), Write8(0x40, 0x09)}));

    // Each field read selects its bank anew, even the same one.
    emulator.ClearLog();
    g_tq7730Register.ReadField(Field("pllad_lat"));
    g_tq7730Register.ReadField(Field("pa_adc_lat"));
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Write8(0xF4, 6), Read8(0x11), Write8(0xF4, 6), Read8(0x18)}));
}

TEST_F(TQ7730RegisterTest, ReadFieldOfThirtyTwoBitsKeepsBitThirtyOne)
{
    for (std::uint8_t sub = 0x1B; sub <= 0x1E; ++sub)
        Set(5, sub, 0xFF);
    EXPECT_EQ(g_tq7730Register.ReadField(Field("vds_fr_select")), -1);
    Set(5, 0x1B, 0x00);
    Set(5, 0x1C, 0x00);
    Set(5, 0x1D, 0x00);
    Set(5, 0x1E, 0x80);
    EXPECT_EQ(g_tq7730Register.ReadField(Field("vds_fr_select")), static_cast<std::int32_t>(0x80000000u));
}

TEST_F(TQ7730RegisterTest, WriteFieldWritesWholeBytesAndMergesPartOnes)
{
    struct Case {
        const char* field;
        std::int32_t value;
        std::vector<std::pair<std::uint8_t, std::uint8_t>> before; // in the field's bank
        std::vector<Bytes> bus;
    };
    const std::vector<Case> cases = {
        {"pllad_MD", 0xABC, {{0x13, 0x5F}}, {Write8(0xF4, 6), Write8(0x12, 0xBC), Read8(0x13), Write8(0x13, 0x5A)}},
        {"pllad_lat", 1, {{0x11, 0x35}}, {Write8(0xF4, 6), Read8(0x11), Write8(0x11, 0xB5)}},
        {"pllad_lat", 0, {{0x11, 0xFF}}, {Write8(0xF4, 6), Read8(0x11), Write8(0x11, 0x7F)}},
        {"adc_RGCTRL", 0x1FF, {}, {Write8(0xF4, 6), Write8(0x09, 0xFF)}},
        {"if_ini_st", 0x7FF, {{0x0C, 0x12}}, {Write8(0xF4, 4), Read8(0x0C), Write8(0x0C, 0xF2), Write8(0x0D, 0xFF)}},
        {"vds_fr_select",
         -1,
         {},
         {Write8(0xF4, 5), Write8(0x1B, 0xFF), Write8(0x1C, 0xFF), Write8(0x1D, 0xFF), Write8(0x1E, 0xFF)}},
        {"vds_fr_select",
         static_cast<std::int32_t>(0x80000001u),
         {},
         {Write8(0xF4, 5), Write8(0x1B, 0x01), Write8(0x1C, 0x00), Write8(0x1D, 0x00), Write8(0x1E, 0x80)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const RegField& field = Field(c.field);
        for (const auto& [sub, value] : c.before)
            Set(field.bank, sub, value);
        emulator.ClearLog();
        g_tq7730Register.WriteField(c.value, field);
        EXPECT_EQ(Bus(), c.bus);
    }
}

TEST_F(TQ7730RegisterTest, SplitFieldTakesItsRunsInOrder)
{
    Set(1, 0x20, 0x80); // value bit 1
    Set(1, 0x25, 0x01); // value bit 2
    EXPECT_EQ(g_tq7730Register.ReadField(kSplit), 0b0110);
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Write8(0xF4, 1), Read8(0x20), Read8(0x20), Read8(0x25), Read8(0x25)}));

    emulator.ClearLog();
    g_tq7730Register.WriteField(0b1001, kSplit);
    EXPECT_EQ(Bus(),
              (std::vector<Bytes>{Write8(0xF4, 1), Read8(0x20), Write8(0x20, 0xC0), Read8(0x20), Write8(0x20, 0x40),
                                  Read8(0x25), Write8(0x25, 0x00), Read8(0x25), Write8(0x25, 0x02)}));
}

TEST_F(TQ7730RegisterTest, AFailedReadCountsAsZeroAndIsNeverWrittenBack)
{
    // The first read of pllad_MD's bits fails: its bit reads 0.
    Set(6, 0x12, 0xFF);
    Set(6, 0x13, 0x0F);
    FailTransaction(1);
    EXPECT_EQ(g_tq7730Register.ReadField(Field("pllad_MD")), 0xFFE);

    // The merge of the upper byte cannot read it: the byte is left alone.
    emulator.SetPlugSource(nullptr);
    emulator.ClearLog();
    FailTransaction(2);
    g_tq7730Register.WriteField(0xABC, Field("pllad_MD"));
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Write8(0xF4, 6), Write8(0x12, 0xBC), Read8(0x13)}));
    EXPECT_EQ(At(6, 0x13), 0x0F);

    // Nothing answers at 0x50.
    emulator.SetPlugSource(nullptr);
    emulator.ClearLog();
    EXPECT_FALSE(g_tq7730Register.ReadBit(0x50, 0x12 * 8));
    g_tq7730Register.WriteBit(0x50, 0x12 * 8, true);
    EXPECT_EQ(Bus(), (std::vector<Bytes>{{0x50, 0x12, 0x51}, {0x50, 0x12, 0x51}}));

    // A split field writes bit by bit; the bit whose read fails is skipped.
    emulator.ClearLog();
    Set(1, 0x20, 0x00);
    Set(1, 0x25, 0x00);
    FailTransaction(1);
    g_tq7730Register.WriteField(0b1111, kSplit);
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Write8(0xF4, 1), Read8(0x20), Read8(0x20), Write8(0x20, 0x80), Read8(0x25),
                                         Write8(0x25, 0x01), Read8(0x25), Write8(0x25, 0x03)}));
}
