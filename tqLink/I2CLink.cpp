#include "tqLink/I2CLink.h"

#include "tqLink/LptI2C.h"
#include "tqLink/SimDevice.h"
#include "tqLink/TQLinkSerial.h"
#include "tqLink/UsbI2C.h"

// The link objects live in this one unit so that they are built in this order, and destroyed
// in the reverse one (the USB adapter is closed first at exit).
I2CLink g_link;
TQLinkSerial g_serialLink;
LptI2C g_lptI2C;
SimDevice g_simDevice;
UsbI2C g_usbI2C;

constinit I2CLink* const g_pLink = &g_link;

namespace {

// Calls the operation of the selected transport; an unknown code does nothing and succeeds.
template <typename Serial, typename Lpt, typename Sim, typename Usb>
std::int32_t Dispatch(u8 transport, Serial serial, Lpt lpt, Sim sim, Usb usb)
{
    switch (transport) {
    case LinkSerial: return serial();
    case LinkLpt: return lpt();
    case LinkSim: return sim();
    case LinkUsb: return usb();
    default: return 0;
    }
}

std::int32_t Inert()
{
    return 0;
}

} // namespace

void I2CLink::SetUsbStreamMode(u8 mode)
{
    g_usbI2C.SetUsbStreamMode(mode);
}

void I2CLink::SetLptDelays(u16 halfBit, u16 gap)
{
    g_lptHalfBitDelay = halfBit;
    g_lptGapDelay = gap;
}

void I2CLink::SetLptWiring(u8 wiring)
{
    g_lptI2C.SetWiring(wiring);
}

std::int32_t I2CLink::Connect()
{
    switch (transport) {
    case LinkSerial: return g_serialLink.Connect("COM1", 9600);
    case LinkLpt: return g_lptI2C.Connect();
    case LinkUsb: return g_usbI2C.Connect();
    case LinkSim: return LinkConnected;
    default: return 0;
    }
}

std::int32_t I2CLink::Read8(u8 slave, u8 sub, u8* out)
{
    return Dispatch(
        transport, [&] { return g_serialLink.Read8(slave, sub, out); }, [&] { return g_lptI2C.Read8(slave, sub, out); },
        [&] { return g_simDevice.Read8(slave, sub, out); }, [&] { return g_usbI2C.Read8(slave, sub, out); });
}

std::int32_t I2CLink::ReadBlock8(u8 slave, u8 sub, u16 count, u8* out)
{
    return Dispatch(
        transport, [&] { return g_serialLink.Read8(slave, sub, out); }, [&] { return g_lptI2C.Read8(slave, sub, out); },
        [&] { return g_simDevice.Read8(slave, sub, out); },
        [&] { return g_usbI2C.ReadBlock8(slave, sub, count, out); });
}

std::int32_t I2CLink::Write8(u8 slave, u8 sub, u8 data)
{
    return Dispatch(
        transport, [&] { return g_serialLink.Write8(slave, sub, data); },
        [&] { return g_lptI2C.Write8(slave, sub, data); }, [&] { return g_simDevice.Write8(slave, sub, data); },
        [&] { return g_usbI2C.Write8(slave, sub, data); });
}

std::int32_t I2CLink::Read16(u8 slave, u16 sub, u8* out)
{
    return Dispatch(
        transport, [&] { return g_serialLink.Read16(slave, sub, out); },
        [&] { return g_lptI2C.Read16(slave, sub, out); }, [&] { return g_simDevice.Read16(slave, sub, out); },
        [&] { return g_usbI2C.Read16(slave, sub, out); });
}

std::int32_t I2CLink::ReadBlock16(u8 slave, u16 sub, u16 count, u8* out)
{
    return Dispatch(
        transport, [&] { return g_serialLink.Read16(slave, sub, out); },
        [&] { return g_lptI2C.Read16(slave, sub, out); }, [&] { return g_simDevice.Read16(slave, sub, out); },
        [&] { return g_usbI2C.ReadBlock16(slave, sub, count, out); });
}

std::int32_t I2CLink::Write16(u8 slave, u16 sub, u8 data)
{
    return Dispatch(
        transport, [&] { return g_serialLink.Write16(slave, sub, data); },
        [&] { return g_lptI2C.Write16(slave, sub, data); }, [&] { return g_simDevice.Write16(slave, sub, data); },
        [&] { return g_usbI2C.Write16(slave, sub, data); });
}

std::int32_t I2CLink::ReadReg8(u8 sub, u8* out)
{
    return Dispatch(
        transport, [&] { return g_serialLink.ReadReg8(sub, out); }, [&] { return g_lptI2C.ReadReg8(sub, out); },
        [&] { return g_simDevice.ReadReg8(sub, out); }, [&] { return g_usbI2C.ReadReg8(sub, out); });
}

std::int32_t I2CLink::ReadRegBlock8(u8 sub, u16 count, u8* out)
{
    const u8 low = static_cast<u8>(count);
    return Dispatch(
        transport, [&] { return g_serialLink.ReadRegBlock8(sub, low, out); },
        [&] { return g_lptI2C.ReadRegBlock8(sub, low, out); }, [&] { return g_simDevice.ReadRegBlock8(sub, low, out); },
        [&] { return g_usbI2C.ReadRegBlock8(sub, count, out); });
}

std::int32_t I2CLink::WriteReg8(u8 sub, u8 data)
{
    return Dispatch(
        transport, [&] { return g_serialLink.WriteReg8(sub, data); }, [&] { return g_lptI2C.WriteReg8(sub, data); },
        [&] { return g_simDevice.WriteReg8(sub, data); }, [&] { return g_usbI2C.WriteReg8(sub, data); });
}

std::int32_t I2CLink::ReadReg16(u16 sub, u8* out)
{
    return Dispatch(
        transport, [&] { return g_serialLink.ReadReg16(sub, out); }, [&] { return g_lptI2C.ReadReg16(sub, out); },
        [&] { return g_simDevice.ReadReg16(sub, out); }, [&] { return g_usbI2C.ReadReg16(sub, out); });
}

std::int32_t I2CLink::ReadRegBlock16(u16 sub, u16 count, u8* out)
{
    const u8 low = static_cast<u8>(count);
    return Dispatch(
        transport, [&] { return g_serialLink.ReadRegBlock16(sub, low, out); },
        [&] { return g_lptI2C.ReadRegBlock16(sub, low, out); },
        [&] { return g_simDevice.ReadRegBlock16(sub, low, out); },
        [&] { return g_usbI2C.ReadRegBlock16(sub, count, out); });
}

std::int32_t I2CLink::WriteReg16(u16 sub, u8 data)
{
    return Dispatch(
        transport, [&] { return g_serialLink.WriteReg16(sub, data); }, [&] { return g_lptI2C.WriteReg16(sub, data); },
        [&] { return g_simDevice.WriteReg16(sub, data); }, [&] { return g_usbI2C.WriteReg16(sub, data); });
}

std::int32_t I2CLink::AuxRead1(u8 byte1, u8* out)
{
    return Dispatch(
        transport, [&] { return g_serialLink.AuxRead1(byte1, out); }, Inert, Inert, Inert);
}

std::int32_t I2CLink::AuxRead2(u8 byte1, u8 byte2, u8* out)
{
    return Dispatch(
        transport, [&] { return g_serialLink.AuxRead2(byte1, byte2, out); }, Inert, Inert, Inert);
}

std::int32_t I2CLink::AuxWrite2(u8 byte1, u8 byte2)
{
    return Dispatch(
        transport, [&] { return g_serialLink.AuxWrite2(byte1, byte2); }, Inert, Inert, Inert);
}

std::int32_t I2CLink::AuxWrite3(u8 byte1, u8 byte2, u8 byte3)
{
    return Dispatch(
        transport, [&] { return g_serialLink.AuxWrite3(byte1, byte2, byte3); }, Inert, Inert, Inert);
}

namespace {

u8 Merge(u8 value, u8 old, u8 keep)
{
    return static_cast<u8>((value & ~keep) | (old & keep));
}

} // namespace

std::int32_t I2CLink::Modify8(std::uint32_t slave, std::uint32_t sub, std::int32_t value, u8 keep)
{
    u8 old = 0;
    if (Read8(static_cast<u8>(slave), static_cast<u8>(sub), &old) != 0)
        return LinkKeepReadFailed;
    return Write8(static_cast<u8>(slave), static_cast<u8>(sub), Merge(static_cast<u8>(value), old, keep));
}

std::int32_t I2CLink::Modify16(std::uint32_t slave, std::uint32_t sub, std::int32_t value, u8 keep)
{
    u8 old = 0;
    if (Read16(static_cast<u8>(slave), static_cast<u16>(sub), &old) != 0)
        return LinkKeepReadFailed;
    return Write16(static_cast<u8>(slave), static_cast<u16>(sub), Merge(static_cast<u8>(value), old, keep));
}

std::int32_t I2CLink::ModifyReg8(u8 sub, u8 value, u8 keep)
{
    u8 old = 0;
    if (ReadReg8(sub, &old) != 0)
        return LinkKeepReadFailed;
    return WriteReg8(sub, Merge(value, old, keep));
}

std::int32_t I2CLink::ModifyReg16(u16 sub, u8 value, u8 keep)
{
    u8 old = 0;
    if (ReadReg16(sub, &old) != 0)
        return LinkKeepReadFailed;
    return WriteReg16(sub, Merge(value, old, keep));
}
