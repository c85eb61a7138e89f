// The serial transport's reply handling: a run of commands, each answered by whatever bytes the
// input holds next.
#include "FuzzCheck.h"
#include "ScriptedResponder.h"
#include "SerialFuzzPort.h"

#include "platform/UiServices.h"
#include "tqLink/TQLinkSerial.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

bool Known(std::int32_t status)
{
    switch (status) {
    case 0:
    case LinkTimeOut:
    case LinkNoSync:
    case LinkBadChecksum:
    case LinkBadLength:
    case LinkNAck:
    case LinkAdapterError:
    case LinkUnknownReply:
    case LinkShortReply:
    case LinkUnavailable: return true;
    default: return false;
    }
}

// One command with arguments from the input; a block read lands in a buffer of exactly its size.
std::int32_t RunCommand(TQLinkSerial& link, FuzzedDataProvider& in)
{
    const auto byte = [&] { return in.ConsumeIntegral<u8>(); };
    const auto word = [&] { return in.ConsumeIntegral<u16>(); };
    u8 out = 0;
    switch (in.ConsumeIntegralInRange(0, 18)) {
    case 0: {
        const std::int32_t status = link.Connect("COM1", 9600);
        return status == LinkConnected || status == LinkPortFailed ? 0 : status;
    }
    case 1: return link.Ping(&out);
    case 2: {
        std::int32_t limit = 0;
        return link.GetMaxPayload(&limit);
    }
    case 3: return link.Read8(byte(), byte(), &out);
    case 4: return link.Write8(byte(), byte(), byte());
    case 5: return link.Read16(byte(), word(), &out);
    case 6: return link.Write16(byte(), word(), byte());
    case 7: return link.ReadReg8(byte(), &out);
    case 8: {
        const u8 sub = byte();
        std::vector<u8> buffer(byte());
        return link.ReadRegBlock8(sub, static_cast<u8>(buffer.size()), buffer.data());
    }
    case 9: return link.WriteReg8(byte(), byte());
    case 10: return link.ReadReg16(word(), &out);
    case 11: {
        const u16 sub = word();
        std::vector<u8> buffer(byte());
        return link.ReadRegBlock16(sub, static_cast<u8>(buffer.size()), buffer.data());
    }
    case 12: return link.WriteReg16(word(), byte());
    case 13: return link.AuxRead1(byte(), &out);
    case 14: return link.AuxRead2(byte(), byte(), &out);
    case 15: return link.AuxWrite2(byte(), byte());
    case 16: return link.AuxWrite3(byte(), byte(), byte());
    case 17: return link.SendWord(word());
    default: link.Close(); return 0;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    ScriptedResponder ui;
    SetUiResponder(&ui);
    {
        SerialFuzzPort port(in);
        TQLinkSerial link;
        link.SetTimeout(in.ConsumeIntegralInRange(0, 50));
        while (in.remaining_bytes() > 0) {
            const std::int32_t status = RunCommand(link, in);
            FuzzCheck(Known(status), "a command gives a known status");
            FuzzCheck(link.GetLastStatus() == 0 || Known(link.GetLastStatus()), "the last status is known");
        }
        link.Close();
        FuzzCheck(port.OpenPorts() == 0, "the port is closed when the link is");
    }
    SetUiResponder(nullptr);
    return 0;
}
