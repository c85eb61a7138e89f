#include "tqLink/TQLinkSerial.h"

#include "platform/UiServices.h"
#include "platform/comm.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr u8 kSync = 0x10;
constexpr u8 kAckCode = 0x06;
constexpr u8 kNAckCode = 0x21;
constexpr u8 kShowErrors = 0x01;
constexpr int kPayloadSize = sizeof(SerialPacket::payload);

enum Opcode : u8 {
    kPing = 0x30,
    kSendWord = 0x33,
    kMaxPayload = 0x35,
    kRegRead = 0x50,
    kRegWrite = 0x51,
    kAuxRead = 0x62,
    kAuxWrite = 0x63,
    kSlaveRead = 0x66,
    kSlaveWrite = 0x67,
};

// The slave commands carry a transfer record: one sub-address byte, one data byte.
constexpr u8 kOneSubByte = 0x80;
constexpr u8 kOneDataByte = 0x01;

// The command frame is sent straight from its buffer.
constexpr std::size_t kHeaderSize = 3;
static_assert(offsetof(SerialPacket, payload) == kHeaderSize);

u8 High(u16 value)
{
    return static_cast<u8>(value >> 8);
}

u8 Low(u16 value)
{
    return static_cast<u8>(value);
}

u8 SumOf(const SerialPacket& p)
{
    unsigned sum = p.sync + p.code + p.len;
    for (int i = 0; i < p.len; ++i)
        sum += p.payload[i];
    return static_cast<u8>(sum);
}

} // namespace

TQLinkSerial::TQLinkSerial() = default;

TQLinkSerial::~TQLinkSerial()
{
    port.Close();
}

std::int32_t TQLinkSerial::Connect(const std::string& portName, int baudRate)
{
    connected = 0;
    if (port.Open(portName, baudRate, 0) != 0)
        return LinkPortFailed;
    const u8 saved = flags;
    flags = 0;
    SendFrame(kPing, {});
    const std::int32_t received = ReceivePacket();
    ReportStatus(received);
    flags = saved;
    // Any well-formed reply, a NAck too, shows that the adapter is there.
    if (received != 0)
        return received;
    connected = 1;
    return LinkConnected;
}

std::int32_t TQLinkSerial::Read8(u8 slave, u8 sub, u8* out)
{
    const std::int32_t status = Command(kSlaveRead, {kOneSubByte, kOneDataByte, slave, sub});
    return status != 0 ? status : TakeData(out, 1);
}

std::int32_t TQLinkSerial::Write8(u8 slave, u8 sub, u8 data)
{
    return Command(kSlaveWrite, {kOneSubByte, kOneDataByte, slave, sub, data});
}

// The adapter has no slave transfer with a 16-bit sub-address.
std::int32_t TQLinkSerial::Read16(u8, u16, u8*)
{
    return LinkUnavailable;
}

std::int32_t TQLinkSerial::Write16(u8, u16, u8)
{
    return LinkUnavailable;
}

std::int32_t TQLinkSerial::ReadReg8(u8 sub, u8* out)
{
    const std::int32_t status = Command(kRegRead, {sub});
    return status != 0 ? status : TakeData(out, 1);
}

std::int32_t TQLinkSerial::ReadRegBlock8(u8 sub, u8 count, u8* buf)
{
    const std::int32_t status = Command(kRegRead, {sub, count});
    return status != 0 ? status : TakeData(buf, count);
}

std::int32_t TQLinkSerial::WriteReg8(u8 sub, u8 data)
{
    return Command(kRegWrite, {sub, data});
}

std::int32_t TQLinkSerial::ReadReg16(u16 sub, u8* out)
{
    const std::int32_t status = Command(kRegRead, {High(sub), Low(sub)});
    return status != 0 ? status : TakeData(out, 1);
}

std::int32_t TQLinkSerial::ReadRegBlock16(u16 sub, u8 count, u8* buf)
{
    const std::int32_t status = Command(kRegRead, {High(sub), Low(sub), count});
    return status != 0 ? status : TakeData(buf, count);
}

std::int32_t TQLinkSerial::WriteReg16(u16 sub, u8 data)
{
    return Command(kRegWrite, {High(sub), Low(sub), data});
}

std::int32_t TQLinkSerial::AuxRead1(u8 first, u8* out)
{
    const std::int32_t status = Command(kAuxRead, {first});
    return status != 0 ? status : TakeData(out, 1);
}

std::int32_t TQLinkSerial::AuxRead2(u8 first, u8 second, u8* out)
{
    const std::int32_t status = Command(kAuxRead, {first, second});
    return status != 0 ? status : TakeData(out, 1);
}

std::int32_t TQLinkSerial::AuxWrite2(u8 first, u8 second)
{
    return Command(kAuxWrite, {first, second});
}

std::int32_t TQLinkSerial::AuxWrite3(u8 first, u8 second, u8 third)
{
    return Command(kAuxWrite, {first, second, third});
}

std::int32_t TQLinkSerial::Ping(u8* out)
{
    const std::int32_t status = Command(kPing, {});
    return status != 0 ? status : TakeData(out, 1);
}

std::int32_t TQLinkSerial::SendWord(u16 value)
{
    return Command(kSendWord, {High(value), Low(value)});
}

std::int32_t TQLinkSerial::GetMaxPayload(std::int32_t* out)
{
    u8 limit = 0;
    std::int32_t status = Command(kMaxPayload, {});
    if (status == 0)
        status = TakeData(&limit, 1);
    if (status != 0)
        return status;
    maxPayload = limit;
    *out = limit;
    return 0;
}

void TQLinkSerial::Close()
{
    port.Close();
    connected = 0;
}

int TQLinkSerial::SetTimeout(int milliseconds)
{
    const int previous = timeoutMs;
    timeoutMs = milliseconds;
    return previous;
}

// Only the ping and the limit query may go out before the adapter answered a ping.
std::int32_t TQLinkSerial::Command(u8 command, std::initializer_list<u8> payload)
{
    if (connected == 0 && command != kPing && command != kMaxPayload)
        return LinkUnavailable;
    SendFrame(command, payload);
    return ReportStatus(ReceivePacket());
}

void TQLinkSerial::SendFrame(u8 command, std::initializer_list<u8> payload)
{
    // Whatever is still waiting belongs to an earlier reply.
    DrainInput();
    tx.sync = kSync;
    tx.code = command;
    tx.len = static_cast<u8>(payload.size());
    std::copy(payload.begin(), payload.end(), tx.payload);
    SealFrame();
    port.Write(reinterpret_cast<const u8*>(&tx), kHeaderSize + tx.len + 1);
}

// Payload byte 0 of a reply is the adapter's error code; the data follow it.
std::int32_t TQLinkSerial::TakeData(u8* out, std::size_t count)
{
    if (count == 0)
        return 0;
    if (std::size_t{rx.len} < count + 1)
        return ReportStatus(LinkShortReply);
    std::copy_n(rx.payload + 1, count, out);
    return 0;
}

void TQLinkSerial::DrainInput()
{
    u8 dropped = 0;
    while (port.BytesWaiting() > 0 && port.Read(&dropped, 1) == 1) {}
}

std::int32_t TQLinkSerial::ReceiveByte(u8* out)
{
    const std::uint32_t start = GetTickCount();
    for (;;) {
        if (port.BytesWaiting() > 0 && port.Read(out, 1) == 1)
            return 0;
        if (static_cast<std::int64_t>(GetTickCount() - start) > timeoutMs)
            return LinkTimeOut;
    }
}

std::int32_t TQLinkSerial::ReceivePacket()
{
    rx = SerialPacket{};
    std::int32_t status = ReceiveByte(&rx.sync);
    if (status != 0)
        return status;
    // The rest of a bad reply stays in the input until the next command drains it.
    if (rx.sync != kSync)
        return LinkNoSync;
    if ((status = ReceiveByte(&rx.code)) != 0 || (status = ReceiveByte(&rx.len)) != 0)
        return status;
    const int limit = maxPayload >= 1 ? std::min(maxPayload, kPayloadSize) : kPayloadSize;
    if (rx.len > limit)
        return LinkBadLength;
    for (int i = 0; i < rx.len; ++i) {
        if ((status = ReceiveByte(&rx.payload[i])) != 0)
            return status;
    }
    if ((status = ReceiveByte(&rx.sum)) != 0)
        return status;
    return rx.sum == SumOf(rx) ? 0 : LinkBadChecksum;
}

// A well-formed reply that is no plain ACK fails the command as well.
std::int32_t TQLinkSerial::ReplyStatus() const
{
    if (rx.code == kNAckCode)
        return LinkNAck;
    if (rx.code != kAckCode)
        return LinkUnknownReply;
    return rx.len != 0 && rx.payload[0] != 0 ? LinkAdapterError : 0;
}

std::int32_t TQLinkSerial::ReportStatus(std::int32_t status)
{
    if (status == 0)
        status = ReplyStatus();
    lastStatus = status;
    if (status == 0 || (flags & kShowErrors) == 0)
        return status;
    switch (status) {
    case LinkTimeOut: AppMessageBox("inPk: time out", MB_OK); break;
    case LinkNoSync: AppMessageBox("inPk: no Sync byte detect", MB_OK); break;
    case LinkBadChecksum: AppMessageBox("inPk: invalid CRC", MB_OK); break;
    case LinkBadLength: AppMessageBox("inPk: invalid PCL len", MB_OK); break;
    case LinkNAck: AppMessageBox("NAck", MB_OK); break;
    case LinkAdapterError: AppMessageBox("Ack with error code " + std::to_string(rx.payload[0]), MB_OK); break;
    default: AppMessageBox("Unknow error", MB_OK); break;
    }
    return status;
}

void TQLinkSerial::SealFrame()
{
    // Commands carry at most five payload bytes, so the sum fits behind them in the payload.
    tx.payload[tx.len] = SumOf(tx);
}
