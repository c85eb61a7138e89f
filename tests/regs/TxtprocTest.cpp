#include "tqRegs/Txtproc.h"
#include "RegsFixture.h"
#include "tqRegs/Format.h"

namespace {

std::string Bank(int bank)
{
    return Format("bank : i2cw id = 0x1a, addr:0xff, bank = %d", bank);
}

std::string Plain(int sub, int value)
{
    return Format("i2cw 1a %02x %02x", sub, value);
}

std::string Masked(int sub, int value, int kept)
{
    return Format("i2cw 1a %02x %02x        # mask: %02x", sub, value, kept);
}

struct Preset {
    int page;
    std::uint8_t sub;
    std::uint8_t value;
};

struct LoadCase {
    const char* name;
    std::string file;
    std::vector<Preset> device;
    std::vector<Bytes> bus;
    std::vector<std::string> log;
};

const std::vector<LoadCase> kLoads = {
    {"an empty file", "", {}, {}, {}},
    {"comments, blank lines and markers alone", "# a comment\n#FIRSTSEG\n#\n\n \t \n#NEXTSEG\n", {}, {}, {}},
    {"one whole register",
     "vd_out_sel                5a 8 0 200 # comment\n",
     {},
     {Write8(0xFF, 0), Write8(0x20, 0x5A)},
     {Bank(0), Plain(0x20, 0x5A)}},
    {"one bit merged into the device's byte",
     "f 1 1 2 203\n",
     {{2, 0x20, 0xF1}},
     {Write8(0xFF, 2), Read8(0x20), Write8(0x20, 0xF9)},
     {Bank(2), Masked(0x20, 0xF9, 0xF7)}},
    {"two lines that fill a register give one plain write",
     "lo 5 4 0 100\nhi a 4 0 104\n",
     {},
     {Write8(0xFF, 0), Write8(0x10, 0xA5)},
     {Bank(0), Plain(0x10, 0xA5)}},
    {"a run goes on into the next sub-address",
     "f 3ff a 0 106\n",
     {{0, 0x10, 0x12}},
     {Write8(0xFF, 0), Read8(0x10), Write8(0x10, 0xD2), Write8(0x11, 0xFF)},
     {Bank(0), Masked(0x10, 0xD2, 0x3F), Plain(0x11, 0xFF)}},
    {"a split field fills its first run, then its second",
     "f 2 2 0 107:107-110:110\n",
     {{0, 0x10, 0xFF}},
     {Write8(0xFF, 0), Read8(0x10), Write8(0x10, 0x7F), Read8(0x11), Write8(0x11, 0x01)},
     {Bank(0), Masked(0x10, 0x7F, 0x7F), Masked(0x11, 0x01, 0xFE)}},
    {"banks go out in ascending order",
     "a 1 8 5 000\nb 2 8 0 000\n",
     {},
     {Write8(0xFF, 0), Write8(0x00, 2), Write8(0xFF, 5), Write8(0x00, 1)},
     {Bank(0), Plain(0x00, 2), Bank(5), Plain(0x00, 1)}},
    {"NEXTSEG in any case, even with letters behind, writes out; FIRSTSEG does nothing",
     "#FirstSeg\na 1 8 0 000\n# nextSeg\nb 2 8 0 000\n#NEXTSEGMENT\nc 3 8 0 000\n",
     {},
     {Write8(0xFF, 0), Write8(0x00, 1), Write8(0xFF, 0), Write8(0x00, 2), Write8(0xFF, 0), Write8(0x00, 3)},
     {Bank(0), Plain(0x00, 1), Bank(0), Plain(0x00, 2), Bank(0), Plain(0x00, 3)}},
    {"a later segment that touches one bit of a written register merges it",
     "a ff 8 0 000\n#NEXTSEG\nb 0 1 0 000\n",
     {},
     {Write8(0xFF, 0), Write8(0x00, 0xFF), Write8(0xFF, 0), Read8(0x00), Write8(0x00, 0xFE)},
     {Bank(0), Plain(0x00, 0xFF), Bank(0), Masked(0x00, 0xFE, 0xFE)}},
    {"a later line replaces the bits an earlier one gave",
     "a ff 8 0 000\nb 0 1 0 000\n",
     {},
     {Write8(0xFF, 0), Write8(0x00, 0xFE)},
     {Bank(0), Plain(0x00, 0xFE)}},
    {"a field line that ends the file without a newline",
     "a 7 8 0 000",
     {},
     {Write8(0xFF, 0), Write8(0x00, 7)},
     {Bank(0), Plain(0x00, 7)}},
    {"a \"#\" before the address token skips the line",
     "a# 1 8 0 000\nb 1# 8 0 000\nc 1 8# 0 000\nd 1 8 0# 000\ne 1 8 0 # 000\n",
     {},
     {},
     {}},
    {"a character that is no hexadecimal digit starts the number again",
     "a 0x1F 8 0 000\nb 1G2 8 0 010\n",
     {},
     {Write8(0xFF, 0), Write8(0x00, 0x1F), Write8(0x01, 0x02)},
     {Bank(0), Plain(0x00, 0x1F), Plain(0x01, 0x02)}},
    {"values from 0x80000000 up are read as unsigned",
     "a 80000001 20 0 000\n",
     {},
     {Write8(0xFF, 0), Write8(0x00, 0x01), Write8(0x01, 0x00), Write8(0x02, 0x00), Write8(0x03, 0x80)},
     {Bank(0), Plain(0x00, 0x01), Plain(0x01, 0x00), Plain(0x02, 0x00), Plain(0x03, 0x80)}},
    {"a line too long for the buffer is skipped and the load goes on",
     "a 1 8 0 000\nb 2 8 0 010 #" + std::string(600, 'x') + "\nc 3 8 0 020\r\n",
     {},
     {Write8(0xFF, 0), Write8(0x00, 1), Write8(0x02, 3)},
     {Bank(0), Plain(0x00, 1), Plain(0x02, 3)}},
    {"a line of 511 characters still fits, with its carriage return",
     "a 1 8 0 000 #" + std::string(511 - 13, 'x') + "\r\nb 2 8 0 010\n",
     {},
     {Write8(0xFF, 0), Write8(0x00, 1), Write8(0x01, 2)},
     {Bank(0), Plain(0x00, 1), Plain(0x01, 2)}},
    {"bits outside the images are dropped, and a field's bits from 32 on receive 0",
     "a ff 8 100 000\nb ff 8 0 f00\nc ffff 10 0 ef0\nd ff ffffffff 1 e80\n",
     {},
     {Write8(0xFF, 0), Write8(0xEF, 0xFF), Write8(0xFF, 1), Write8(0xE8, 0xFF), Write8(0xE9, 0), Write8(0xEA, 0),
      Write8(0xEB, 0), Write8(0xEC, 0), Write8(0xED, 0), Write8(0xEE, 0), Write8(0xEF, 0)},
     {Bank(0), Plain(0xEF, 0xFF), Bank(1), Plain(0xE8, 0xFF), Plain(0xE9, 0), Plain(0xEA, 0), Plain(0xEB, 0),
      Plain(0xEC, 0), Plain(0xED, 0), Plain(0xEE, 0), Plain(0xEF, 0)}},
    {"an address token that does not scan is tried again at the next character",
     "a 5a 8 0 x200\nb 6b 8 1 xy200\nc 7c 8 2 x#200\nd 2 2 3 x107:107-110:110\ne 5a 8 4 2x00\n",
     {{3, 0x10, 0xFF}},
     {Write8(0xFF, 0), Write8(0x20, 0x5A), Write8(0xFF, 1), Write8(0x20, 0x6B), Write8(0xFF, 3), Read8(0x10),
      Write8(0x10, 0x7F), Read8(0x11), Write8(0x11, 0x01)},
     {Bank(0), Plain(0x20, 0x5A), Bank(1), Plain(0x20, 0x6B), Bank(3), Masked(0x10, 0x7F, 0x7F),
      Masked(0x11, 0x01, 0xFE)}},
    // The second line's token stops where the first line's went on: nothing of it may be read.
    {"an incomplete or malformed address token skips the line",
     "a 1 8 0 107:107-110:110\nb ff 8 0 107:\nc 1 8 0 20\nd 1 8 0 1g7\ne 1 8 0 108\n",
     {},
     {Write8(0xFF, 0), Read8(0x10), Write8(0x10, 0x80), Read8(0x11), Write8(0x11, 0x00)},
     {Bank(0), Masked(0x10, 0x80, 0x7F), Masked(0x11, 0x00, 0xFE)}},
};

class TxtprocTest : public RegsFixture {
protected:
    void Load(std::string_view text)
    {
        const FilePtr file = TextFile(text);
        g_txtproc.Load(file.get());
    }
};

TEST_F(TxtprocTest, LoadsFilesIntoTheDeviceAndLogsEveryWrite)
{
    for (const LoadCase& c : kLoads) {
        SCOPED_TRACE(c.name);
        Fresh();
        for (const Preset& p : c.device)
            emulator.Slave().Paged(p.page, p.sub) = p.value;
        Load(c.file);
        EXPECT_EQ(Bus(), c.bus);
        EXPECT_EQ(LogLines(), c.log);
    }
}

TEST_F(TxtprocTest, LoadStartsAtTheFilesFirstLine)
{
    const FilePtr file = TextFile("a 5a 8 0 200\n");
    std::fseek(file.get(), 0, SEEK_END);
    g_txtproc.Load(file.get());
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Write8(0xFF, 0), Write8(0x20, 0x5A)}));
}

TEST_F(TxtprocTest, FailedBankSelectionSkipsThatBank)
{
    g_pLink->SetDeviceAddress(0x50);
    Load("a 5a 8 0 200\n");
    EXPECT_EQ(Bus(), (std::vector<Bytes>{{0x50, 0xFF, 0x00}}));
    EXPECT_EQ(LogLines(), std::vector<std::string>{"bank : i2cw id = 0x50, addr:0xff, bank = 0 failed"});
}

TEST_F(TxtprocTest, FailedReadBeforeAMaskedWriteWritesNothing)
{
    emulator.Slave().Paged(0, 0x20) = 0x33;
    emulator.FailTransfer(UsbFault::Io, kTransfersPerTransaction);
    Load("f 1 1 0 203\n");
    EXPECT_EQ(Bus(), std::vector<Bytes>{Write8(0xFF, 0)});
    EXPECT_EQ(LogLines(), (std::vector<std::string>{Bank(0), Masked(0x20, 0x08, 0xF7) + " failed"}));
    EXPECT_EQ(emulator.Slave().Paged(0, 0x20), 0x33);
}

TEST_F(TxtprocTest, FailedWriteIsLoggedAsFailed)
{
    emulator.FailTransfer(UsbFault::Io, kTransfersPerTransaction);
    Load("f 5a 8 0 200\nf 6b 8 0 210\n");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{Bank(0), Plain(0x20, 0x5A) + " failed", Plain(0x21, 0x6B)}));
}

TEST_F(TxtprocTest, WithoutACurrentRegisterSetNothingIsWrittenAndTheLogSaysSo)
{
    host.current = nullptr;
    Load("a 1 8 0 000\nb 2 8 3 000\n");
    EXPECT_EQ(Bus(), std::vector<Bytes>{});
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"bank = 0 not written: no chip detected",
                                                    "bank = 3 not written: no chip detected"}));

    // Nothing of the skipped write-out stays behind for the next one.
    Fresh();
    host.current = &g_unknownRegister;
    g_txtproc.WriteOut(0x1A);
    EXPECT_EQ(Bus(), std::vector<Bytes>{});
}

TEST(TxtprocBuffer, FieldsGoIntoTheCallersImageAndBackOut)
{
    RegisterImage image{};
    RegisterImage mask{};
    constexpr RegField run("run", 10, 0, 0x10 * 8 + 6, "");
    Txtproc::SetBufferField(0x3FF, run, image, mask);
    EXPECT_EQ(image[0x10], 0xC0);
    EXPECT_EQ(mask[0x10], 0xC0);
    EXPECT_EQ(image[0x11], 0xFF);
    EXPECT_EQ(mask[0x11], 0xFF);
    EXPECT_EQ(Txtproc::GetBufferField(run, image), 0x3FF);

    const int bit7of10 = 0x10 * 8 + 7;
    const int bit0of11 = 0x11 * 8;
    const RegField split("split", 0, 0, bit7of10, bit7of10, bit0of11, bit0of11, "");
    Txtproc::SetBufferField(2, split, image, mask);
    EXPECT_EQ(Txtproc::GetBufferBit(bit7of10, image), 0);
    EXPECT_EQ(Txtproc::GetBufferBit(bit0of11, image), 1);
    EXPECT_EQ(Txtproc::GetBufferField(split, image), 2);

    // A field wider than the value: its bits from 32 on receive 0.
    image[0x24] = 0xFF;
    constexpr RegField wide("wide", 40, 0, 0x20 * 8, "");
    Txtproc::SetBufferField(-1, wide, image, mask);
    EXPECT_EQ(image[0x23], 0xFF);
    EXPECT_EQ(image[0x24], 0x00);
    EXPECT_EQ(mask[0x24], 0xFF);
    EXPECT_EQ(Txtproc::GetBufferField(wide, image), -1);
}

TEST(TxtprocBuffer, BitsOutsideTheImageAreIgnored)
{
    RegisterImage image{};
    RegisterImage mask{};
    constexpr RegField across("across", 16, 0, 0x7F8, "");
    Txtproc::SetBufferField(-1, across, image, mask);
    Txtproc::SetBufferBit(-1, true, image, mask);
    Txtproc::SetBufferField(-1, RegField("top", 32, 0, INT32_MAX - 3, ""), image, mask);
    EXPECT_EQ(image[0xFF], 0xFF);
    EXPECT_EQ(image[0x00], 0x00);
    EXPECT_EQ(mask[0x00], 0x00);
    EXPECT_EQ(Txtproc::GetBufferBit(0x800, image), 0);
    EXPECT_EQ(Txtproc::GetBufferField(across, image), 0xFF);
}

TEST_F(TxtprocTest, WriteBufferWritesTouchedRegistersAndClearsTheMask)
{
    emulator.Slave().Paged(0, 0x10) = 0xF0;
    RegisterImage image{};
    RegisterImage mask{};
    image[0x05] = 0x5A;
    mask[0x05] = 0xFF;
    image[0x10] = 0x03;
    mask[0x10] = 0x0F;
    Txtproc::WriteBuffer(0x1A, image, mask);
    EXPECT_EQ(Bus(), (std::vector<Bytes>{Write8(0x05, 0x5A), Read8(0x10), Write8(0x10, 0xF3)}));
    EXPECT_EQ(mask, RegisterImage{});
    EXPECT_EQ(LogLines(), std::vector<std::string>{});
}

TEST(TxtprocNames, FileTypeByExtension)
{
    const std::vector<std::pair<const char*, int>> cases = {
        {"regs.txt", 1}, {"REGS.TxT", 1}, {"a.Bat", 2}, {"x.VAL", 3}, {".val", 3},
        {"regs.tx", 0},  {"regs_txt", 0}, {"txt", 0},   {"", 0},      {"a.tx t", 0},
    };
    for (const auto& [name, type] : cases) {
        EXPECT_EQ(Txtproc::FileType(name), type) << name;
    }
}

TEST(TxtprocNames, DigitsAndMarkers)
{
    EXPECT_EQ(Txtproc::AddHexDigit(0x1, 'f', true), 0x1Fu);
    EXPECT_EQ(Txtproc::AddHexDigit(0x1, 'A', false), 0x12u);
    EXPECT_EQ(Txtproc::AddHexDigit(0xFFFFFFFF, '1', true), 0xFFFFFFF1u);
    EXPECT_EQ(Txtproc::AddHexDigit(0x12, 'g', true), 0u);
    EXPECT_EQ(Txtproc::AddHexDigit(0x12, '\xB0', true), 0u);

    EXPECT_TRUE(Txtproc::IsFirstSeg(" \tFIRSTseg and more"));
    EXPECT_FALSE(Txtproc::IsFirstSeg("firstse"));
    EXPECT_TRUE(Txtproc::IsNextSeg("NEXTSEGMENT"));
    EXPECT_FALSE(Txtproc::IsNextSeg("next seg"));
}

} // namespace
