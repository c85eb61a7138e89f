#include "tqRegs/TQ4120Register.h"
#include "RegsFixture.h"
#include "tqRegs/TQ4120Fields.h"
#include "tqRegs/Txtproc16.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

const RegField16& Field(std::string_view name)
{
    return FieldNamed(g_tq4120Fields, name);
}

// The TQ4120 over the emulated adapter, its registers in the known state, nothing on the bus yet.
class Tq4120Register : public RegsFixture {
protected:
    void SetUp() override
    {
        RegsFixture::SetUp();
        KnownFlatState();
    }

    std::uint8_t& Reg(int a) { return emulator.Slave().Flat(static_cast<std::uint16_t>(a)); }
};

} // namespace

TEST_F(Tq4120Register, AnswersWithoutTheBus)
{
    EXPECT_TRUE(g_tq4120Register.CheckChipId());
    EXPECT_EQ(g_tq4120Register.GetBankReg(), 0x00);
    FilePtr file(std::tmpfile());
    g_tq4120Register.WriteAllRegister(file.get());
    EXPECT_EQ(Contents(file.get()), "# Not support yet!");
    std::fseek(file.get(), 0, SEEK_END);
    g_tq4120Register.WriteAllRegister(file.get());
    EXPECT_EQ(Contents(file.get()), "# Not support yet!# Not support yet!");

    emulator.Unplug();
    EXPECT_TRUE(g_tq4120Register.CheckChipId());
    EXPECT_EQ(Bus(), std::vector<Bytes>{});
}

TEST_F(Tq4120Register, NullFilesAreIgnored)
{
    g_tq4120Register.WriteAllRegister(nullptr);
    g_tq4120Register.SaveToTxt(nullptr);
    g_tq4120Register.PrintField(Field("pa_lat"), nullptr);
    PrintIndented("x", nullptr);
    EXPECT_EQ(Bus(), std::vector<Bytes>{});
}

TEST_F(Tq4120Register, PrintIndentedWritesSeventyFiveBlanksFirst)
{
    FilePtr file(std::tmpfile());
    PrintIndented("x", file.get());
    EXPECT_EQ(Contents(file.get()), std::string(75, ' ') + "x\n");
}

// Each field reads its registers once each, in ascending order, and puts bits lo..hi of register i
// at the given shift of the value.
TEST_F(Tq4120Register, ReadFieldTakesEachRegistersBitsInTurn)
{
    struct Part {
        std::uint16_t address;
        int lo;
        int hi;
        std::uint8_t keep;
        int shift; // 32 and above: not in the value
    };
    struct Case {
        std::string_view name;
        std::vector<Part> parts;
    };
    const Case cases[] = {
        {"dout_gpi_pd_en_m", {{0x0220, 2, 2, 0xFB, 0}}},
        {"at_bd_h_p2_", {{0x020c, 4, 7, 0x0F, 0}, {0x020d, 0, 7, 0x00, 4}}},
        {"if_gamma0_", {{0x01c4, 2, 7, 0x03, 0}, {0x01c5, 0, 3, 0xF0, 6}}},
        {"afe_sp_reserved_7", {{0x0255, 7, 7, 0x7F, 0}, {0x0256, 0, 7, 0x00, 1}}},
        {"afe_sp_reserved_20",
         {{0x027c, 3, 7, 0x07, 0}, {0x027d, 0, 7, 0x00, 5}, {0x027e, 0, 7, 0x00, 13}, {0x027f, 0, 7, 0x00, 21}}},
        {"lvds_prd_val",
         {{0x02cd, 0, 7, 0x00, 0},
          {0x02ce, 0, 7, 0x00, 8},
          {0x02cf, 0, 7, 0x00, 16},
          {0x02d0, 0, 7, 0x00, 24},
          {0x02d1, 0, 2, 0xF8, 32}}},
    };
    // Every bit high, so that a bit outside lo..hi or a register past the value would show.
    for (int a = 0; a < BankedSlave::kFlatSize; ++a)
        Reg(a) = 0xFF;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const Part& part : c.parts)
            EXPECT_EQ(Txtproc16::KeepMask(static_cast<std::uint8_t>(part.lo), static_cast<std::uint8_t>(part.hi)),
                      part.keep);
        for (const std::uint8_t fill : {std::uint8_t{0xFF}, std::uint8_t{0xA5}}) {
            std::vector<Bytes> reads;
            std::uint64_t want = 0;
            for (const Part& part : c.parts) {
                Reg(part.address) = fill;
                reads.push_back(ReadReg16(part.address));
                if (part.shift < 32)
                    want |= static_cast<std::uint64_t>((fill & ~part.keep & 0xFF) >> part.lo) << part.shift;
            }
            emulator.ClearLog();
            EXPECT_EQ(static_cast<std::uint32_t>(g_tq4120Register.ReadField(Field(c.name))),
                      static_cast<std::uint32_t>(want));
            EXPECT_EQ(Bus(), reads);
        }
    }
}

TEST_F(Tq4120Register, ReadFieldOfLvdsPrdValIsItsLow32Bits)
{
    for (const auto& [a, v] : {std::pair{0x02cd, 0x78}, {0x02ce, 0x56}, {0x02cf, 0x34}, {0x02d0, 0x92}, {0x02d1, 0xFF}})
        Reg(a) = static_cast<std::uint8_t>(v);
    EXPECT_EQ(static_cast<std::uint32_t>(g_tq4120Register.ReadField(Field("lvds_prd_val"))), 0x92345678u);
}

// The registers after a failed read are still read; only the failed one's bits are 0.
TEST_F(Tq4120Register, FailedReadGivesZeroForItsRegisterOnly)
{
    struct Case {
        std::string_view name;
        std::size_t failing; // register of the field, from 0
        std::uint32_t value;
        std::vector<Bytes> bus;
    };
    // at_bd_h_p2_: bits 4..7 of 0x020c, then 0x020d. afe_sp_reserved_20: bits 3..7 of 0x027c
    // (0x15), then 0x027d, 0x027e and 0x027f at bits 5, 13 and 21 (0xB40, 0x186000, 0x3C00000).
    const Case cases[] = {
        {"at_bd_h_p2_", 1, 0x00F, {ReadReg16(0x020c)}},
        {"afe_sp_reserved_20", 0, 0x3D86B40, {ReadReg16(0x027d), ReadReg16(0x027e), ReadReg16(0x027f)}},
        {"afe_sp_reserved_20", 1, 0x3D86015, {ReadReg16(0x027c), ReadReg16(0x027e), ReadReg16(0x027f)}},
        {"afe_sp_reserved_20", 2, 0x3C00B55, {ReadReg16(0x027c), ReadReg16(0x027d), ReadReg16(0x027f)}},
        {"afe_sp_reserved_20", 3, 0x0186B55, {ReadReg16(0x027c), ReadReg16(0x027d), ReadReg16(0x027e)}},
    };
    Reg(0x020c) = 0xF0;
    Reg(0x020d) = 0xAB;
    Reg(0x027c) = 0xA8;
    Reg(0x027d) = 0x5A;
    Reg(0x027e) = 0xC3;
    Reg(0x027f) = 0x1E;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ", register " << c.failing << " failing");
        emulator.ClearLog();
        emulator.FailTransfer(UsbFault::Io, static_cast<unsigned>(c.failing) * kTransfersPerTransaction);
        EXPECT_EQ(static_cast<std::uint32_t>(g_tq4120Register.ReadField(Field(c.name))), c.value);
        EXPECT_EQ(Bus(), c.bus);
    }

    emulator.ClearLog();
    emulator.Unplug();
    EXPECT_EQ(g_tq4120Register.ReadField(Field("afe_sp_reserved_20")), 0);
}

TEST_F(Tq4120Register, WriteFieldMergesEachRegister)
{
    Reg(0x020c) = 0x35;
    Reg(0x020d) = 0x11;
    g_tq4120Register.WriteField(0xABC, Field("at_bd_h_p2_"));
    EXPECT_EQ(Bus(), (std::vector<Bytes>{ReadReg16(0x020c), WriteReg16(0x020c, 0xC5), ReadReg16(0x020d),
                                         WriteReg16(0x020d, 0xAB)}));
    EXPECT_EQ(g_tq4120Register.ReadField(Field("at_bd_h_p2_")), 0xABC);
}

TEST_F(Tq4120Register, WriteFieldKeepsTheBitsAroundTheField)
{
    struct Case {
        std::string_view name;
        std::int32_t value;
        std::vector<Bytes> bus; // after each register's read
    };
    const Case cases[] = {
        // Bits above the width are dropped; the other bits of the register stay as read.
        {"if_gamma0_", -1, {WriteReg16(0x01c4, 0xFD), WriteReg16(0x01c5, 0xAF)}},
        {"afe_sp_reserved_7", 0x1FE, {WriteReg16(0x0255, 0x5A), WriteReg16(0x0256, 0xFF)}},
        // The last register of the 35-bit field takes copies of the value's sign bit.
        {"lvds_prd_val",
         static_cast<std::int32_t>(0x80000001u),
         {WriteReg16(0x02cd, 0x01), WriteReg16(0x02ce, 0x00), WriteReg16(0x02cf, 0x00), WriteReg16(0x02d0, 0x80),
          WriteReg16(0x02d1, 0xA7)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int a = 0; a < BankedSlave::kFlatSize; ++a)
            Reg(a) = 0xA5;
        Reg(0x0255) = 0x5A;
        emulator.ClearLog();
        g_tq4120Register.WriteField(c.value, Field(c.name));
        std::vector<Bytes> want;
        for (const Bytes& write : c.bus) {
            want.push_back(ReadReg16(static_cast<std::uint16_t>(write[1] | write[2] << 8)));
            want.push_back(write);
        }
        EXPECT_EQ(Bus(), want);
    }
}

TEST_F(Tq4120Register, WriteFieldSkipsARegisterWhoseReadFails)
{
    Reg(0x020c) = 0x35;
    Reg(0x020d) = 0x11;
    emulator.FailTransfer(UsbFault::Io);
    g_tq4120Register.WriteField(0xABC, Field("at_bd_h_p2_"));
    EXPECT_EQ(Bus(), (std::vector<Bytes>{ReadReg16(0x020d), WriteReg16(0x020d, 0xAB)}));
    EXPECT_EQ(Reg(0x020c), 0x35);
}

namespace {

// The dump of a device in the known state, derived from the table rows and the dump layout by a
// script, independently of this code.
std::string ExpectedDump()
{
    return FileText(TQ4120_DATA_DIR "/tq4120_dump.txt");
}

bool IsFieldLine(const std::string& line)
{
    return !line.empty() && line.front() != '#';
}

// The line with the value column set to value.
std::string WithValue(const std::string& line, std::string_view value)
{
    const std::size_t width = line.find_first_not_of(' ', line.find(' ', 49));
    return line.substr(0, 49) + std::string(value) + std::string(9 - value.size(), ' ') + line.substr(width);
}

} // namespace

TEST_F(Tq4120Register, DumpOfTheKnownState)
{
    FilePtr file(std::tmpfile());
    g_tq4120Register.SaveToTxt(file.get());
    const std::string text = Contents(file.get());
    EXPECT_EQ(text, ExpectedDump());

    // One read per register of each body field, nothing written.
    std::set<std::uint16_t> registers;
    for (const Bytes& t : Bus()) {
        ASSERT_EQ(t.size(), 4u);
        EXPECT_EQ(t[3], 0x1B);
        registers.insert(static_cast<std::uint16_t>(t[1] | t[2] << 8));
    }
    EXPECT_EQ(Bus().size(), 1563u);
    EXPECT_EQ(registers.size(), 784u);

    std::size_t fieldLines = 0;
    const std::vector<std::string> lines = Lines(text);
    for (const std::string& line : lines)
        fieldLines += IsFieldLine(line);
    // The trailer shows the PLLV trigger twice.
    EXPECT_EQ(fieldLines, 1313u + 7u);
    EXPECT_EQ(lines.front(), "#padsetting");
}

TEST_F(Tq4120Register, DumpWithoutAnAdapterShowsZeros)
{
    emulator.Unplug();
    FilePtr file(std::tmpfile());
    g_tq4120Register.SaveToTxt(file.get());
    const std::vector<std::string> got = Lines(Contents(file.get()));
    const std::vector<std::string> known = Lines(ExpectedDump());
    ASSERT_EQ(got.size(), known.size());
    const std::size_t trailer = known.size() - 23;
    ASSERT_EQ(known[trailer + 3], "# trigger segement");
    for (std::size_t i = 0; i < known.size(); ++i)
        EXPECT_EQ(got[i], i < trailer && IsFieldLine(known[i]) ? WithValue(known[i], "0") : known[i]);
}

// The adapter pulled out in the middle of a field: that field shows the registers that arrived,
// every field after it 0, and the file is whole.
TEST_F(Tq4120Register, DumpWithTheAdapterPulledMidField)
{
    const RegField16& cut = Field("afe_sp_reserved_20");
    std::size_t readsBefore = 0;
    for (std::size_t i = 0; &g_tq4120Fields[i] != &cut; ++i)
        readsBefore += (g_tq4120Fields[i].width + g_tq4120Fields[i].start_bit + 7u) / 8u;
    // 0x027c and 0x027d arrive; 0x027e and 0x027f do not.
    emulator.FailTransfer(UsbFault::Unplug, static_cast<unsigned>(readsBefore + 2) * kTransfersPerTransaction);
    FilePtr file(std::tmpfile());
    g_tq4120Register.SaveToTxt(file.get());
    EXPECT_EQ(Bus().size(), readsBefore + 2);

    const std::vector<std::string> got = Lines(Contents(file.get()));
    const std::vector<std::string> known = Lines(ExpectedDump());
    ASSERT_EQ(got.size(), known.size());
    const std::size_t trailer = known.size() - 23;
    const std::string cutName = std::string(cut.name.View());
    char arrived[16];
    std::snprintf(arrived, sizeof arrived, "%x", KnownFlatByte(0x027c) >> 3 | KnownFlatByte(0x027d) << 5);
    bool after = false;
    for (std::size_t i = 0; i < known.size(); ++i) {
        std::string want = known[i];
        if (i < trailer && known[i].starts_with(cutName)) {
            want = WithValue(known[i], arrived);
            after = true;
        } else if (i < trailer && after && IsFieldLine(known[i])) {
            want = WithValue(known[i], "0");
        }
        EXPECT_EQ(got[i], want) << "line " << i + 1;
    }
    EXPECT_TRUE(after);
}

TEST_F(Tq4120Register, PrintFieldColumns)
{
    struct Case {
        std::uint32_t value;
        int width;
        std::string_view comment;
        std::string_view line; // after the name
    };
    const Case cases[] = {
        {0x0, 1, "#", "0        1        0400[0] #\n"},
        {0xF, 15, "#", "f        f        0400[0] #\n"},
        {0x10, 16, "#", "10       10       0400[0] #\n"},
        {0xFFFF, 16, "#a  ", "ffff     10       0400[0] #a  \n"},
        // Five digits and more keep at least one blank before the width.
        {0x10000, 32, "#", "10000    20       0400[0] #\n"},
        {0x1234567, 32, "#", "1234567  20       0400[0] #\n"},
        {0x12345678, 32, "#", "12345678 20       0400[0] #\n"},
        {0xFFFFFFFF, 35, "#", "ffffffff 23       0400[0] #\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        for (int i = 0; i < 4; ++i)
            Reg(0x0400 + i) = static_cast<std::uint8_t>(c.value >> (8 * i));
        Reg(0x0404) = 0;
        FilePtr file(std::tmpfile());
        g_tq4120Register.PrintField(RegField16("name", c.width, 0x0400, 0, c.comment), file.get());
        EXPECT_EQ(Contents(file.get()), "name" + std::string(45, ' ') + std::string(c.line));

        // The loader takes the line back as written.
        for (int i = 0; i < 4; ++i)
            Reg(0x0400 + i) = 0;
        g_txtproc16.Load(file.get());
        if (c.value < 0x80000000u) {
            EXPECT_EQ(static_cast<std::uint32_t>(
                          g_tq4120Register.ReadField(RegField16("name", c.width, 0x0400, 0, "#"))),
                      c.value);
        }
    }
}

TEST_F(Tq4120Register, PrintFieldWritesALongCommentWhole)
{
    const std::string comment = "#" + std::string(300, 'c');
    Reg(0x0400) = 0x00;
    FilePtr file(std::tmpfile());
    g_tq4120Register.PrintField(RegField16("name", 1, 0x0400, 0, comment), file.get());
    EXPECT_EQ(Contents(file.get()), "name" + std::string(45, ' ') + "0        1        0400[0] " + comment + "\n");
}

TEST_F(Tq4120Register, PrintFieldShowsStartBitAndAddress)
{
    Reg(0x039e) = 0x80;
    FilePtr file(std::tmpfile());
    g_tq4120Register.PrintField(Field("afe_dpllad_lat"), file.get());
    EXPECT_EQ(Contents(file.get()),
              "afe_dpllad_lat" + std::string(35, ' ') + "1        1        039e[7] # cntrl_[119];\n");
}

// Loaded back, the dump sets every field to its dumped value, then the trailer drives the
// triggers and latches.
TEST_F(Tq4120Register, DumpLoadsBack)
{
    host.current = &g_tq4120Register;
    FilePtr file(std::tmpfile());
    g_tq4120Register.SaveToTxt(file.get());
    std::vector<std::int32_t> dumped;
    for (const RegField16& field : g_tq4120Fields)
        dumped.push_back(g_tq4120Register.ReadField(field));

    for (int a = 0; a < BankedSlave::kFlatSize; ++a)
        Reg(a) = static_cast<std::uint8_t>(~KnownFlatByte(a));
    g_txtproc16.Load(file.get());
    EXPECT_FALSE(host.lines.empty());

    // After the body, each segment of the trailer is written out on its own: the PLLV trigger
    // to 0, then to 1, then the PLL2X trigger and the three latch enables. A logged value keeps
    // the loader's bits from the body; only the mask's bits are written.
    const std::vector<std::string> triggerWrites = {
        "write register addr: 02bd, value = 00, mask = 01",
        "write register addr: 02bd, value = 01, mask = 01",
        "write register addr: 028a, value = 35, mask = 01",
        "write register addr: 028c, value = 43, mask = 01",
        "write register addr: 02fe, value = 01",
        "write register addr: 039e, value = 80, mask = 80",
    };
    ASSERT_GT(host.lines.size(), triggerWrites.size());
    EXPECT_EQ(std::vector<std::string>(host.lines.end() - std::ssize(triggerWrites), host.lines.end()), triggerWrites);

    const std::vector<std::pair<std::string_view, std::int32_t>> trailer = {
        {"pllv_trigger", 1}, {"pll2x_trigger", 1}, {"pll2x_reserved_1", 0}, {"pll2x_trigger_reserved", 0},
        {"pa_lat", 1},       {"afe_pllad_lat", 1}, {"afe_dpllad_lat", 1},
    };
    for (std::size_t i = 0; i < g_tq4120Fields.size(); ++i) {
        const RegField16& field = g_tq4120Fields[i];
        std::int32_t want = dumped[i];
        for (const auto& [name, value] : trailer)
            if (&Field(name) == &field)
                want = value;
        EXPECT_EQ(g_tq4120Register.ReadField(field), want) << field.name.View();
    }
    // lvds_prd_val is 35 bits wide, its value 32: the load leaves its bits 32 to 34 at 0.
    EXPECT_EQ(Reg(0x02d1) & 0x07, 0);
}

// Records no table holds: a start bit outside its byte, or a width that carries the span of
// width and start bit past 8 bits.
TEST_F(Tq4120Register, RecordsThatNameNoBitTouchNothing)
{
    for (const RegField16& field : {RegField16("name", 8, 0x0400, 9, "#"), RegField16("name", 255, 0x0400, 7, "#"),
                                    RegField16("name", 250, 0x0400, 7, "#")}) {
        SCOPED_TRACE(testing::Message() << int{field.width} << " bits from bit " << int{field.start_bit});
        emulator.ClearLog();
        EXPECT_EQ(g_tq4120Register.ReadField(field), 0);
        g_tq4120Register.WriteField(-1, field);
        EXPECT_EQ(Bus(), std::vector<Bytes>{});
    }
}
