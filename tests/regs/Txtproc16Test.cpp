#include "tqRegs/Txtproc16.h"
#include "RegsFixture.h"
#include "tqRegs/Format.h"

namespace {

std::string Plain(int address, int value)
{
    return Format("write register addr: %04x, value = %02x", address, value);
}

std::string Masked(int address, int value, int written)
{
    return Format("write register addr: %04x, value = %02x, mask = %02x", address, value, written);
}

struct Preset {
    std::uint16_t address;
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
    {"comments, blank lines and markers alone", "#comment\n#\n\n  \n# NEXTSEG\n#FIRSTSEG", {}, {}, {}},
    {"one whole register",
     "vd_out_sel                5a 8 0130[0] # comment\n",
     {},
     {WriteReg16(0x0130, 0x5A)},
     {Plain(0x0130, 0x5A)}},
    {"one bit merged into the device's byte",
     "f 1 1 02fe[0]\n",
     {{0x02FE, 0xF0}},
     {ReadReg16(0x02FE), WriteReg16(0x02FE, 0xF1)},
     {Masked(0x02FE, 0x01, 0x01)}},
    {"a field over two registers",
     "f abc c 0200[4]\n",
     {{0x0200, 0x05}},
     {ReadReg16(0x0200), WriteReg16(0x0200, 0xC5), WriteReg16(0x0201, 0xAB)},
     {Masked(0x0200, 0xC0, 0xF0), Plain(0x0201, 0xAB)}},
    {"two fields that fill a register give one plain write",
     "lo 5 4 0100[0]\nhi a 4 0100[4]\n",
     {},
     {WriteReg16(0x0100, 0xA5)},
     {Plain(0x0100, 0xA5)}},
    {"a value is cut to its width",
     "hi 0 4 0200[4]\nlo 1f 4 0200[0]\n",
     {},
     {WriteReg16(0x0200, 0x0F)},
     {Plain(0x0200, 0x0F)}},
    {"a later 0 clears what an earlier 1 set, within and across segments",
     "a 1 1 0200[0]\nb 0 1 0200[0]\nc 1 1 0201[0]\n#NEXTSEG\nd 0 1 0201[0]\n",
     {{0x0200, 0x81}, {0x0201, 0x80}},
     {ReadReg16(0x0200), WriteReg16(0x0200, 0x80), ReadReg16(0x0201), WriteReg16(0x0201, 0x81), ReadReg16(0x0201),
      WriteReg16(0x0201, 0x80)},
     {Masked(0x0200, 0x00, 0x01), Masked(0x0201, 0x01, 0x01), Masked(0x0201, 0x00, 0x01)}},
    {"the span of width and start bit is kept to 8 bits",
     "f 1ff 108 0400[0]\ng 1 fe 0410[5]\n",
     {},
     {WriteReg16(0x0400, 0xFF)},
     {Plain(0x0400, 0xFF)}},
    {"values from 0x80000000 up are read as unsigned",
     "f 80000000 20 0100[0]\n",
     {},
     {WriteReg16(0x0100, 0x00), WriteReg16(0x0101, 0x00), WriteReg16(0x0102, 0x00), WriteReg16(0x0103, 0x80)},
     {Plain(0x0100, 0x00), Plain(0x0101, 0x00), Plain(0x0102, 0x00), Plain(0x0103, 0x80)}},
    {"the characters around the bit are not examined, and a token may end the line",
     "a 5 8 0100x0y\nb 6 8 101(0)\n",
     {},
     {WriteReg16(0x0100, 0x05), WriteReg16(0x0101, 0x06)},
     {Plain(0x0100, 0x05), Plain(0x0101, 0x06)}},
    {"NEXTSEG in any case writes out; FIRSTSEG does nothing",
     "#firstSEG\na 1 8 0100[0]\n#  NextSeg\nb 2 8 0100[0]\n",
     {},
     {WriteReg16(0x0100, 0x01), WriteReg16(0x0100, 0x02)},
     {Plain(0x0100, 0x01), Plain(0x0100, 0x02)}},
    {"a field line that ends the file without a newline",
     "a 7 8 0100[0]",
     {},
     {WriteReg16(0x0100, 0x07)},
     {Plain(0x0100, 0x07)}},
    {"a line too long for the buffer is skipped and the load goes on",
     "a 1 8 0100[0]\nb 2 8 0101[0] #" + std::string(600, 'x') + "\nc 3 8 0102[0]\r\n",
     {},
     {WriteReg16(0x0100, 0x01), WriteReg16(0x0102, 0x03)},
     {Plain(0x0100, 0x01), Plain(0x0102, 0x03)}},
    {"a token that does not scan is tried again at the next character",
     "a 5a 8 x0130[0]\nb 6b 8 xy0131[0]\nc 7c 8 x#0132[0]\n",
     {},
     {WriteReg16(0x0130, 0x5A), WriteReg16(0x0131, 0x6B)},
     {Plain(0x0130, 0x5A), Plain(0x0131, 0x6B)}},
    {"without a bit, after a \"#\" or outside the image nothing is stored",
     "a 5 8 0100[\nb 5 8 0100\nc 5 8 # 0100[0]\nd 5 8 0800[0]\ne ffff 10 07ff[0]\nf 5 8 12345[0]\n",
     {},
     {WriteReg16(0x07FF, 0xFF)},
     {Plain(0x07FF, 0xFF)}},
};

class Txtproc16Test : public RegsFixture {
protected:
    void Load(std::string_view text)
    {
        const FilePtr file = TextFile(text);
        g_txtproc16.Load(file.get());
    }
};

TEST_F(Txtproc16Test, LoadsFilesIntoTheDeviceAndLogsEveryWrite)
{
    for (const LoadCase& c : kLoads) {
        SCOPED_TRACE(c.name);
        Fresh();
        for (const Preset& p : c.device)
            emulator.Slave().Flat(p.address) = p.value;
        Load(c.file);
        EXPECT_EQ(Bus(), c.bus);
        EXPECT_EQ(LogLines(), c.log);
    }
}

TEST_F(Txtproc16Test, FailedReadBeforeAMaskedWriteWritesNothing)
{
    emulator.Slave().Flat(0x0200) = 0x80;
    emulator.FailTransfer(UsbFault::Io);
    Load("f 1 1 0200[0]\n");
    EXPECT_EQ(Bus(), std::vector<Bytes>{});
    EXPECT_EQ(LogLines(), std::vector<std::string>{Masked(0x0200, 0x01, 0x01) + " failed"});
    EXPECT_EQ(emulator.Slave().Flat(0x0200), 0x80);
}

TEST_F(Txtproc16Test, FailedWriteIsLoggedAsFailed)
{
    emulator.FailTransfer(UsbFault::Io);
    Load("f 5a 8 0130[0]\ng 6b 8 0131[0]\n");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{Plain(0x0130, 0x5A) + " failed", Plain(0x0131, 0x6B)}));
}

TEST(Txtproc16Mask, KeepMaskClearsBitsLowToHigh)
{
    static_assert(Txtproc16::KeepMask(0, 7) == 0x00);
    const struct {
        std::uint8_t lo, hi, mask;
    } cases[] = {
        {0, 7, 0x00}, {4, 7, 0x0F}, {0, 3, 0xF0}, {3, 3, 0xF7}, {7, 7, 0x7F}, {5, 2, 0xFF}, {2, 9, 0x03}, {8, 9, 0xFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(g_txtproc16.KeepMask(c.lo, c.hi), c.mask) << int(c.lo) << ".." << int(c.hi);
    }
}

} // namespace
