#include "tqRegs/BankedAccess.h"

#include "tqLink/I2CLink.h"

#include <optional>

namespace BankedAccess {

namespace {

constexpr int kValueBits = 32;

std::uint8_t Device()
{
    return g_pLink->GetDeviceAddress();
}

std::uint8_t SubAddressOf(std::int32_t bitAddress)
{
    return static_cast<std::uint8_t>(bitAddress >> 3);
}

std::uint8_t MaskOf(std::int32_t bitAddress)
{
    return static_cast<std::uint8_t>(1u << (bitAddress & 7));
}

bool ValueBit(std::uint32_t value, std::int32_t k)
{
    return k < kValueBits && ((value >> k) & 1u) != 0;
}

std::optional<std::uint8_t> ReadByte(std::uint8_t slave, std::uint8_t sub)
{
    std::uint8_t byte = 0;
    if (g_pLink->Read8(slave, sub, &byte) != 0)
        return std::nullopt;
    return byte;
}

// Writes the bits of mask from data and keeps the others.
void MergeByte(std::uint8_t sub, std::uint8_t data, std::uint8_t mask)
{
    if (mask == 0xFF) {
        g_pLink->Write8(Device(), sub, data);
        return;
    }
    const std::optional<std::uint8_t> old = ReadByte(Device(), sub);
    if (!old)
        return;
    g_pLink->Write8(Device(), sub, static_cast<std::uint8_t>((data & mask) | (*old & ~mask)));
}

// Calls visit(bitAddress, k) for bit k of the field, bit 0 first.
template <typename Visit>
void ForEachBit(const RegField& field, Visit visit)
{
    std::int32_t k = 0;
    if (field.end_addr == -1) {
        for (; k < field.length; ++k)
            visit(field.start_addr + k, k);
        return;
    }
    for (std::int32_t a = field.start_addr; a <= field.end_addr; ++a)
        visit(a, k++);
    for (std::int32_t a = field.start2_addr; a <= field.end2_addr; ++a)
        visit(a, k++);
}

} // namespace

std::uint8_t ReadOrZero(std::uint8_t slave, std::uint8_t sub)
{
    return ReadByte(slave, sub).value_or(0);
}

void SelectBank(std::uint8_t bankRegister, std::uint8_t bank)
{
    g_pLink->Write8(Device(), bankRegister, bank);
}

bool ReadBit(std::uint8_t slave, std::int32_t bitAddress)
{
    return (ReadOrZero(slave, SubAddressOf(bitAddress)) & MaskOf(bitAddress)) != 0;
}

void WriteBit(std::uint8_t slave, std::int32_t bitAddress, bool on)
{
    const std::uint8_t sub = SubAddressOf(bitAddress);
    const std::uint8_t mask = MaskOf(bitAddress);
    const std::optional<std::uint8_t> byte = ReadByte(slave, sub);
    if (!byte)
        return;
    g_pLink->Write8(slave, sub, static_cast<std::uint8_t>(on ? *byte | mask : *byte & ~mask));
}

std::int32_t ReadField(std::uint8_t bankRegister, const RegField& field)
{
    SelectBank(bankRegister, field.bank);
    // Unsigned, so that bit 31 of a 32-bit field lands in the sign without overflow.
    std::uint32_t value = 0;
    ForEachBit(field, [&](std::int32_t bitAddress, std::int32_t k) {
        if (ReadBit(Device(), bitAddress) && k < kValueBits)
            value |= 1u << k;
    });
    return static_cast<std::int32_t>(value);
}

void WriteField(std::uint8_t bankRegister, std::int32_t value, const RegField& field)
{
    SelectBank(bankRegister, field.bank);
    const auto bits = static_cast<std::uint32_t>(value);
    if (field.end_addr != -1) {
        ForEachBit(field,
                   [&](std::int32_t bitAddress, std::int32_t k) { WriteBit(Device(), bitAddress, ValueBit(bits, k)); });
        return;
    }
    std::uint8_t data = 0;
    std::uint8_t mask = 0;
    std::int32_t last = field.start_addr;
    ForEachBit(field, [&](std::int32_t bitAddress, std::int32_t k) {
        mask |= MaskOf(bitAddress);
        if (ValueBit(bits, k))
            data |= MaskOf(bitAddress);
        last = bitAddress;
        if ((bitAddress & 7) == 7) {
            MergeByte(SubAddressOf(bitAddress), data, mask);
            data = 0;
            mask = 0;
        }
    });
    if (mask != 0)
        MergeByte(SubAddressOf(last), data, mask);
}

} // namespace BankedAccess
