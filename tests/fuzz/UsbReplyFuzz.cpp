// The CH341 layer's reply handling: a run of transfers, each answered by IN packets that the
// input makes up, with faults and unplugging in between. Whatever the answers, every packet sent
// must be one the adapter takes.
#include "FuzzCheck.h"

#include "Ch341Emulator.h"
#include "platform/usbio.h"
#include "tqLink/UsbI2C.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace {

// A packet may be larger than the endpoint's 32 bytes, to overflow the host's buffer.
constexpr std::size_t kMaxPacket = 40;
constexpr int kMaxPackets = 6;
// Reads up to this size span several packets.
constexpr u16 kMaxBlock = 300;

void ScriptReplies(Ch341Emulator& emulator, FuzzedDataProvider& in)
{
    std::deque<std::vector<std::uint8_t>> packets;
    for (int n = in.ConsumeIntegralInRange(0, kMaxPackets); n > 0; --n)
        packets.push_back(in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, kMaxPacket)));
    emulator.ReplyRaw(std::move(packets));
}

std::int32_t Transfer(UsbI2C& usb, FuzzedDataProvider& in)
{
    const auto byte = [&] { return in.ConsumeIntegral<u8>(); };
    const auto word = [&] { return in.ConsumeIntegral<u16>(); };
    // With the read bit clear, as the link's callers give it: an odd address byte makes the adapter
    // write while the slave sends, which the protocol check would take for a fault of the layer.
    const auto slave = [&] { return static_cast<u8>(in.ConsumeIntegral<u8>() & 0xFE); };
    u8 out = 0;
    std::vector<u8> block(in.ConsumeIntegralInRange<u16>(0, kMaxBlock));
    const auto count = static_cast<u16>(block.size());
    switch (in.ConsumeIntegralInRange(0, 12)) {
    case 0: return usb.Read8(slave(), byte(), &out);
    case 1: return usb.ReadBlock8(slave(), byte(), count, block.data());
    case 2: return usb.Write8(slave(), byte(), byte());
    case 3: return usb.WriteBlock8(slave(), byte(), count, block.data());
    case 4: return usb.Read16(slave(), word(), &out);
    case 5: return usb.ReadBlock16(slave(), word(), count, block.data());
    case 6: return usb.Write16(slave(), word(), byte());
    case 7: return usb.ReadReg8(byte(), &out);
    case 8: return usb.ReadRegBlock8(byte(), count, block.data());
    case 9: return usb.WriteReg8(byte(), byte());
    case 10: return usb.ReadReg16(word(), &out);
    case 11: return usb.ReadRegBlock16(word(), count, block.data());
    default: return usb.WriteReg16(word(), byte());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    Ch341Emulator& emulator = Ch341Emulator::Instance();
    USBIO_CloseDevice(0);
    emulator.Reset();
    UsbI2C& usb = g_usbI2C;
    usb.Connect();
    while (in.remaining_bytes() > 0) {
        ScriptReplies(emulator, in);
        switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0: emulator.Unplug(); break;
        case 1: emulator.Plug(); break;
        case 2:
            emulator.FailTransfer(in.PickValueInArray({UsbFault::Io, UsbFault::TimeOut, UsbFault::Unplug}),
                                  in.ConsumeIntegralInRange(0u, 8u));
            break;
        case 3: {
            const std::int32_t connected = usb.Connect();
            FuzzCheck(connected == 0 || connected == 1, "a connection check says yes or no");
            break;
        }
        default: break;
        }
        const std::int32_t status = Transfer(usb, in);
        FuzzCheck(status == 0 || status == 8, "a transfer succeeds or fails with 8");
        FuzzCheck(emulator.ProtocolErrors().empty(), "every packet sent is one the adapter takes");
    }
    USBIO_CloseDevice(0);
    FuzzCheck(emulator.OpenHandles() == 0, "no adapter handle is left open");
    return 0;
}
