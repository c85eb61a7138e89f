#include "tqLink/UsbI2C.h"

#include "platform/usbio.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint32_t kAdapter = 0;

} // namespace

UsbI2C::~UsbI2C()
{
    if (opened != 0) {
        USBIO_CloseDevice(kAdapter);
        opened = 0;
    }
}

std::int32_t UsbI2C::Connect()
{
    const USBIO_HANDLE handle = USBIO_OpenDevice(kAdapter);
    opened = 1;
    return handle != INVALID_HANDLE_VALUE ? LinkConnected : 0;
}

void UsbI2C::SetUsbStreamMode(u8 mode)
{
    USBIO_SetStream(kAdapter, mode);
}

std::int32_t UsbI2C::Transfer(const u8* write, u16 writeLength, u16 readLength, u8* read)
{
    const bool ok = USBIO_StreamI2C(kAdapter, writeLength, write, readLength, readLength ? read : nullptr);
    return ok ? 0 : LinkUsbFailed;
}

std::int32_t UsbI2C::Read8(u8 slave, u8 sub, u8* out)
{
    const u8 w[] = {slave, sub};
    return Transfer(w, sizeof w, 1, out);
}

std::int32_t UsbI2C::ReadBlock8(u8 slave, u8 sub, u16 count, u8* out)
{
    const u8 w[] = {slave, sub};
    return Transfer(w, sizeof w, count, out);
}

std::int32_t UsbI2C::Write8(u8 slave, u8 sub, u8 data)
{
    const u8 w[] = {slave, sub, data};
    return Transfer(w, sizeof w, 0, nullptr);
}

std::int32_t UsbI2C::WriteBlock8(u8 slave, u8 sub, u16 count, const u8* data)
{
    // Holds 256 data bytes; a larger count is cut to that.
    std::array<u8, 258> w{slave, sub};
    const u16 n = std::min<u16>(count, 256);
    std::copy_n(data, n, w.begin() + 2);
    return Transfer(w.data(), static_cast<u16>(n + 2), 0, nullptr);
}

std::int32_t UsbI2C::Read16(u8 slave, u16 sub, u8* out)
{
    const u8 w[] = {slave, static_cast<u8>(sub), static_cast<u8>(sub >> 8)};
    return Transfer(w, sizeof w, 1, out);
}

std::int32_t UsbI2C::ReadBlock16(u8 slave, u16 sub, u16 count, u8* out)
{
    const u8 w[] = {slave, static_cast<u8>(sub), static_cast<u8>(sub >> 8)};
    return Transfer(w, sizeof w, count, out);
}

std::int32_t UsbI2C::Write16(u8 slave, u16 sub, u8 data)
{
    const u8 w[] = {slave, static_cast<u8>(sub), static_cast<u8>(sub >> 8), data};
    return Transfer(w, sizeof w, 0, nullptr);
}

std::int32_t UsbI2C::ReadReg8(u8 sub, u8* out)
{
    return Read8(g_pLink->GetDeviceAddress(), sub, out);
}

std::int32_t UsbI2C::ReadRegBlock8(u8 sub, u16 count, u8* out)
{
    return ReadBlock8(g_pLink->GetDeviceAddress(), sub, count, out);
}

std::int32_t UsbI2C::WriteReg8(u8 sub, u8 data)
{
    return Write8(g_pLink->GetDeviceAddress(), sub, data);
}

std::int32_t UsbI2C::ReadReg16(u16 sub, u8* out)
{
    return Read16(g_pLink->GetDeviceAddress(), sub, out);
}

std::int32_t UsbI2C::ReadRegBlock16(u16 sub, u16 count, u8* out)
{
    return ReadBlock16(g_pLink->GetDeviceAddress(), sub, count, out);
}

std::int32_t UsbI2C::WriteReg16(u16 sub, u8 data)
{
    return Write16(g_pLink->GetDeviceAddress(), sub, data);
}
