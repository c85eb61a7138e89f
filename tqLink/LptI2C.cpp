#include "tqLink/LptI2C.h"

#include "platform/UiServices.h"
#include "platform/portio.h"

#include <algorithm>

constinit std::int32_t g_winIoReady = 0;
constinit u16 g_lptHalfBitDelay = 1023;
constinit u16 g_lptGapDelay = 4095;

namespace {

constexpr u16 kDataPort = 0x378;
constexpr u16 kStatusPort = 0x379;
constexpr u16 kControlPort = 0x37A;

constexpr u8 kSubAddressPhase = 0x80;

// Keeps the busy-wait loops from being optimised away.
volatile unsigned g_waitSink = 0;

// Sets or clears the bits of mask in shadow; true when that changed the shadow.
bool Drive(u8& shadow, u8 mask, bool set)
{
    const u8 next = set ? static_cast<u8>(shadow | mask) : static_cast<u8>(shadow & ~mask);
    if (next == shadow)
        return false;
    shadow = next;
    return true;
}

int SubAddressBytes(const LptTransfer& record)
{
    return (record.flags & kSubAddressPhase) ? (record.flags & 0x03) + 1 : 0;
}

LptTransfer Record(u8 flags, u8 count, u8 slave)
{
    LptTransfer record;
    record.flags = flags;
    record.count = count;
    record.slave = slave;
    return record;
}

LptTransfer Record16(u8 flags, u8 count, u8 slave, u16 sub)
{
    LptTransfer record = Record(flags, count, slave);
    record.bytes[0] = static_cast<u8>(sub);
    record.bytes[1] = static_cast<u8>(sub >> 8);
    return record;
}

u8 DeviceAddress()
{
    return g_pLink->GetDeviceAddress();
}

} // namespace

LptI2C::LptI2C()
{
    if (InitializeWinIo()) {
        g_winIoReady = 1;
        Idle();
        wiring = 0;
    } else {
        AppMessageBox("Cannot initialize WinIO library", MB_OK);
        g_winIoReady = 0;
    }
}

LptI2C::~LptI2C()
{
    if (g_winIoReady)
        ShutdownWinIo();
    g_winIoReady = 0;
}

void LptI2C::PortWrite(u16 port, u8 value)
{
    SetPortVal(port, value, 1);
}

u8 LptI2C::PortRead(u16 port)
{
    std::uint32_t value = 0;
    GetPortVal(port, &value, 1);
    return static_cast<u8>(value);
}

void LptI2C::SclHigh()
{
    if (wiring == 0 && Drive(dataShadow, 0x02, true))
        PortWrite(kDataPort, dataShadow);
    else if (wiring == 1 && Drive(controlShadow, 0x08, true))
        PortWrite(kControlPort, controlShadow);
}

void LptI2C::SclLow()
{
    if (wiring == 0 && Drive(dataShadow, 0x02, false))
        PortWrite(kDataPort, dataShadow);
    else if (wiring == 1 && Drive(controlShadow, 0x08, false))
        PortWrite(kControlPort, controlShadow);
}

void LptI2C::SdaHigh()
{
    if ((wiring == 0 && Drive(dataShadow, 0x01, false)) || (wiring == 1 && Drive(dataShadow, 0x80, false)))
        PortWrite(kDataPort, dataShadow);
}

void LptI2C::SdaLow()
{
    if ((wiring == 0 && Drive(dataShadow, 0x01, true)) || (wiring == 1 && Drive(dataShadow, 0x80, true)))
        PortWrite(kDataPort, dataShadow);
}

int LptI2C::SdaSense()
{
    const u8 status = PortRead(kStatusPort);
    switch (wiring) {
    case 0: return (status & 0x20) ? 1 : 0;
    case 1: return (status & 0x80) ? 1 : 0;
    default: return 1; // no line is wired, so nothing can acknowledge
    }
}

void LptI2C::Wait(u16 rounds)
{
    for (unsigned i = 0; i < rounds; ++i)
        g_waitSink = i;
}

void LptI2C::Idle()
{
    SclHigh();
    SdaHigh();
    Wait(g_lptHalfBitDelay);
}

void LptI2C::Start()
{
    SclHigh();
    SdaLow();
    Wait(g_lptHalfBitDelay);
    SclLow();
    Wait(g_lptHalfBitDelay);
}

void LptI2C::Stop()
{
    SclLow();
    SdaLow();
    Wait(g_lptHalfBitDelay);
    SclHigh();
    Wait(g_lptHalfBitDelay);
    SdaHigh();
    Wait(g_lptHalfBitDelay);
}

void LptI2C::WriteBit(int bit)
{
    SclLow();
    if (bit)
        SdaHigh();
    else
        SdaLow();
    Wait(g_lptHalfBitDelay);
    SclHigh();
    Wait(g_lptHalfBitDelay);
    SclLow();
    Wait(g_lptHalfBitDelay);
    SdaHigh();
    Wait(g_lptHalfBitDelay);
}

int LptI2C::ReadBit()
{
    SclLow();
    SdaHigh();
    Wait(g_lptHalfBitDelay);
    SclHigh();
    Wait(g_lptHalfBitDelay);
    const int sample = SdaSense();
    SclLow();
    Wait(g_lptHalfBitDelay);
    return sample;
}

int LptI2C::ReadAck()
{
    return ReadBit();
}

void LptI2C::SendAck()
{
    SclLow();
    SdaLow();
    Wait(g_lptHalfBitDelay);
    SclHigh();
    Wait(g_lptHalfBitDelay);
    SclLow();
}

void LptI2C::SendNack()
{
    SclLow();
    SdaHigh();
    Wait(g_lptHalfBitDelay);
    SclHigh();
    Wait(g_lptHalfBitDelay);
    SclLow();
}

void LptI2C::WriteByte(u8 byte)
{
    for (int bit = 7; bit >= 0; --bit)
        WriteBit((byte >> bit) & 1);
}

u8 LptI2C::ReadByte()
{
    u8 byte = 0;
    for (int i = 0; i < 8; ++i)
        byte = static_cast<u8>((byte << 1) | ReadBit());
    return byte;
}

// Without the port library no line can be driven, so nothing can have acknowledged.
std::int32_t LptI2C::WriteTransfer(LptTransfer& record)
{
    if (!g_winIoReady)
        return LinkNoAck;
    const int total = record.count + SubAddressBytes(record);
    Start();
    WriteByte(static_cast<u8>(record.slave & 0xFE));
    Wait(g_lptGapDelay);
    int missing = ReadAck();
    for (int i = 0; i < total; ++i) {
        WriteByte(record.bytes[i]);
        missing |= ReadAck();
    }
    Stop();
    return missing ? LinkNoAck : 0;
}

std::int32_t LptI2C::ReadTransfer(LptTransfer& record)
{
    if (!g_winIoReady)
        return LinkNoAck;
    const int subBytes = SubAddressBytes(record);
    int missing = 0;
    if (subBytes > 0) {
        Start();
        WriteByte(static_cast<u8>(record.slave & 0xFE));
        Wait(g_lptGapDelay);
        missing |= ReadAck();
        for (int i = 0; i < subBytes; ++i) {
            WriteByte(record.bytes[i]);
            missing |= ReadAck();
        }
    }
    Wait(g_lptGapDelay);
    Start();
    WriteByte(static_cast<u8>(record.slave | 0x01));
    Wait(g_lptGapDelay);
    missing |= ReadAck();
    const int count = std::max<int>(record.count, 1);
    for (int i = 0; i < count - 1; ++i) {
        record.bytes[subBytes + i] = ReadByte();
        SendAck();
    }
    record.bytes[subBytes + count - 1] = ReadByte();
    SendNack();
    Stop();
    return missing ? LinkNoAck : 0;
}

std::int32_t LptI2C::Connect()
{
    if (!g_winIoReady)
        return 0;
    for (unsigned value = 0x10; value <= 0xF0; ++value) {
        LptTransfer probe = Record(0x01, 1, static_cast<u8>(value));
        if (ReadTransfer(probe) == 0)
            return LinkConnected;
    }
    return 0;
}

std::int32_t LptI2C::Read8(u8 slave, u8 sub, u8* out)
{
    if (!g_winIoReady)
        return LinkNoAck;
    Start();
    WriteByte(static_cast<u8>(slave & 0xFE));
    int missing = ReadAck();
    WriteByte(sub);
    missing |= ReadAck();
    Wait(g_lptGapDelay);
    Start();
    WriteByte(static_cast<u8>(slave | 0x01));
    missing |= ReadAck();
    *out = ReadByte();
    SendNack();
    Stop();
    return missing ? LinkNoAck : 0;
}

std::int32_t LptI2C::Write8(u8 slave, u8 sub, u8 data)
{
    if (!g_winIoReady)
        return LinkNoAck;
    Start();
    WriteByte(static_cast<u8>(slave & 0xFE));
    int missing = ReadAck();
    WriteByte(sub);
    missing |= ReadAck();
    WriteByte(data);
    missing |= ReadAck();
    Stop();
    return missing ? LinkNoAck : 0;
}

std::int32_t LptI2C::Read16(u8 slave, u16 sub, u8* out)
{
    return ReadBlock16(slave, sub, 1, out);
}

std::int32_t LptI2C::ReadBlock16(u8 slave, u16 sub, u8 count, u8* buf)
{
    LptTransfer record = Record16(0x81, count, slave, sub);
    if (ReadTransfer(record) != 0)
        return LinkNoAck;
    std::copy_n(record.bytes + 2, count, buf);
    return 0;
}

std::int32_t LptI2C::Write16(u8 slave, u16 sub, u8 data)
{
    LptTransfer record = Record16(0x00, 3, slave, sub);
    record.bytes[2] = data;
    return WriteTransfer(record);
}

std::int32_t LptI2C::ReadReg8(u8 sub, u8* out)
{
    return Read8(DeviceAddress(), sub, out);
}

std::int32_t LptI2C::ReadRegBlock8(u8 sub, u8 count, u8* buf)
{
    LptTransfer record = Record(0x80, count, DeviceAddress());
    record.bytes[0] = sub;
    if (ReadTransfer(record) != 0)
        return LinkNoAck;
    std::copy_n(record.bytes + 1, count, buf);
    return 0;
}

std::int32_t LptI2C::WriteReg8(u8 sub, u8 data)
{
    return Write8(DeviceAddress(), sub, data);
}

std::int32_t LptI2C::ReadReg16(u16 sub, u8* out)
{
    return ReadRegBlock16(sub, 1, out);
}

std::int32_t LptI2C::ReadRegBlock16(u16 sub, u8 count, u8* buf)
{
    return ReadBlock16(DeviceAddress(), sub, count, buf);
}

std::int32_t LptI2C::WriteReg16(u16 sub, u8 data)
{
    return Write16(DeviceAddress(), sub, data);
}
