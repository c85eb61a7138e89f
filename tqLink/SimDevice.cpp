#include "tqLink/SimDevice.h"

namespace {

// Sub-addresses from here up all alias the page byte.
constexpr u8 kPageRegister = 0xF0;

} // namespace

SimDevice::SimDevice()
{
    // The identification bytes a TQ7790 shows in bank 0.
    paged[0][1] = 0xF2;
    paged[0][2] = 0x18;
    paged[0][3] = 0x03;
}

u8 SimDevice::FlatAt(unsigned sub) const
{
    return sub < flat.size() ? flat[sub] : 0;
}

u8* SimDevice::PagedAt(u8 sub)
{
    return page < kPages ? &paged[page][sub] : nullptr;
}

std::int32_t SimDevice::Read8(u8, u8 sub, u8* out)
{
    if (sub >= kPageRegister) {
        *out = page;
    } else {
        const u8* cell = PagedAt(sub);
        *out = cell ? *cell : 0;
    }
    return 0;
}

std::int32_t SimDevice::Write8(u8, u8 sub, u8 data)
{
    if (sub >= kPageRegister) {
        page = data;
    } else if (u8* cell = PagedAt(sub)) {
        *cell = data;
    }
    return 0;
}

std::int32_t SimDevice::Read16(u8, u16 sub, u8* out)
{
    *out = FlatAt(sub);
    return 0;
}

std::int32_t SimDevice::ReadBlock16(u8, u16 sub, u8 count, u8* out)
{
    for (unsigned i = 0; i < count; ++i)
        out[i] = FlatAt(static_cast<u16>(sub + i));
    return 0;
}

std::int32_t SimDevice::Write16(u8, u16 sub, u8 data)
{
    if (sub < flat.size())
        flat[sub] = data;
    return 0;
}

std::int32_t SimDevice::ReadReg8(u8 sub, u8* out)
{
    return Read8(g_pLink->GetDeviceAddress(), sub, out);
}

std::int32_t SimDevice::ReadRegBlock8(u8 sub, u8 count, u8* out)
{
    for (unsigned i = 0; i < count; ++i) {
        const u8* cell = PagedAt(static_cast<u8>(sub + i));
        out[i] = cell ? *cell : 0;
    }
    return 0;
}

std::int32_t SimDevice::WriteReg8(u8 sub, u8 data)
{
    return Write8(g_pLink->GetDeviceAddress(), sub, data);
}

std::int32_t SimDevice::ReadReg16(u16 sub, u8* out)
{
    return Read16(0, sub, out);
}

std::int32_t SimDevice::ReadRegBlock16(u16 sub, u8 count, u8* out)
{
    return ReadBlock16(0, sub, count, out);
}

std::int32_t SimDevice::WriteReg16(u16 sub, u8 data)
{
    return Write16(0, sub, data);
}
