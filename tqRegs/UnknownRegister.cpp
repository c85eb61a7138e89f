#include "tqRegs/UnknownRegister.h"

#include "tqLink/I2CLink.h"
#include "tqRegs/BankedAccess.h"
#include "widgets/ProgressWnd.h"

#include <memory>

constinit UnknownRegister g_unknownRegister;

void UnknownRegister::WriteAllRegister(std::FILE* file)
{
    const auto progress = std::make_unique<CProgressWnd>(nullptr, "Write tq all register.", false);
    progress->SetRange(0, 499, 1);
    // Never pumped: painted now, or it stays an empty frame for the whole export.
    progress->ShowNow();
    std::fprintf(file, "rem Unknown Devices\n");
    DumpRange(file, 0x00, 0xFF, "rem Range 0x00 ~ 0xFF");
}

void UnknownRegister::SaveToTxt(std::FILE*)
{
}

bool UnknownRegister::CheckChipId()
{
    std::uint8_t id = 0;
    return g_pLink->Read8(g_pLink->GetDeviceAddress(), 0x00, &id) == 0;
}

std::uint8_t UnknownRegister::GetBankReg()
{
    return 0xFF;
}

bool UnknownRegister::ReadBit(std::uint8_t slave, std::int32_t bitAddress)
{
    return BankedAccess::ReadBit(slave, bitAddress);
}

void UnknownRegister::WriteBit(std::uint8_t slave, std::int32_t bitAddress, bool on)
{
    BankedAccess::WriteBit(slave, bitAddress, on);
}

std::int32_t DumpRange(std::FILE* file, std::int32_t first, std::int32_t last, std::string_view title)
{
    std::fprintf(file, "\n%.*s\n", static_cast<int>(title.size()), title.data());
    const std::uint8_t device = g_pLink->GetDeviceAddress();
    for (std::int64_t s = first; s <= last; ++s) {
        // Cleared each time, so a failed read shows 00 rather than the register before it.
        std::uint8_t value = 0;
        const auto sub = static_cast<std::uint8_t>(s);
        g_pLink->Read8(device, sub, &value);
        std::fprintf(file, "i2crw %02x %02x %02x\n", device, sub, value);
    }
    return static_cast<std::int32_t>(static_cast<std::int64_t>(last) + 1 - first);
}
