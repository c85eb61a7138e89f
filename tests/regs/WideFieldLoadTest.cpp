// Fields of 35 bits loaded with the value ffffffff into a device whose bytes are all FF: both
// loaders keep the value as 32 unsigned bits, so the field's bits 32 to 34 receive 0.
#include "RegsFixture.h"
#include "tqRegs/Txtproc.h"
#include "tqRegs/Txtproc16.h"

namespace {

struct WideCase {
    const char* line;
    bool sixteen; // the 16-bit loader, else the banked one with bank 0
    std::vector<std::string> log;
    Bytes device; // the field's five bytes and the one after them
};

const WideCase kWide[] = {
    {"lvds_prd_val ffffffff 23 0300[0]\n",
     true,
     {"write register addr: 0300, value = ff", "write register addr: 0301, value = ff",
      "write register addr: 0302, value = ff", "write register addr: 0303, value = ff",
      "write register addr: 0304, value = 00, mask = 07"},
     {0xFF, 0xFF, 0xFF, 0xFF, 0xF8, 0xFF}},
    {"f ffffffff 23 0300[5]\n",
     true,
     {"write register addr: 0300, value = e0, mask = e0", "write register addr: 0301, value = ff",
      "write register addr: 0302, value = ff", "write register addr: 0303, value = ff",
      "write register addr: 0304, value = 1f"},
     {0xFF, 0xFF, 0xFF, 0xFF, 0x1F, 0xFF}},
    {"f ffffffff 23 0 200\n",
     false,
     {"bank : i2cw id = 0x1a, addr:0xff, bank = 0", "i2cw 1a 20 ff", "i2cw 1a 21 ff", "i2cw 1a 22 ff", "i2cw 1a 23 ff",
      "i2cw 1a 24 f8        # mask: f8"},
     {0xFF, 0xFF, 0xFF, 0xFF, 0xF8, 0xFF}},
    {"f ffffffff 23 0 205\n",
     false,
     {"bank : i2cw id = 0x1a, addr:0xff, bank = 0", "i2cw 1a 20 ff        # mask: 1f", "i2cw 1a 21 ff", "i2cw 1a 22 ff",
      "i2cw 1a 23 ff", "i2cw 1a 24 1f"},
     {0xFF, 0xFF, 0xFF, 0xFF, 0x1F, 0xFF}},
};

using WideFieldLoad = RegsFixture;

TEST_F(WideFieldLoad, BitsFromThirtyTwoOnReceiveZero)
{
    for (const WideCase& c : kWide) {
        SCOPED_TRACE(c.line);
        Fresh();
        const std::uint16_t first = c.sixteen ? 0x0300 : 0x20;
        const auto byte = [&](std::size_t i) -> std::uint8_t& {
            const auto a = static_cast<std::uint16_t>(first + i);
            return c.sixteen ? emulator.Slave().Flat(a) : emulator.Slave().Paged(0, static_cast<std::uint8_t>(a));
        };
        for (std::size_t i = 0; i < c.device.size(); ++i)
            byte(i) = 0xFF;

        const FilePtr file = TextFile(c.line);
        if (c.sixteen)
            g_txtproc16.Load(file.get());
        else
            g_txtproc.Load(file.get());

        EXPECT_EQ(LogLines(), c.log);
        Bytes device;
        for (std::size_t i = 0; i < c.device.size(); ++i)
            device.push_back(byte(i));
        EXPECT_EQ(device, c.device);
    }
}

} // namespace
