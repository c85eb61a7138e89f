#include "usbio.h"

#include <libusb.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>

namespace {

using Byte = std::uint8_t;

constexpr std::uint16_t kVendor = 0x1A86;
constexpr std::uint16_t kProduct = 0x5512;
constexpr int kInterface = 0;
constexpr unsigned char kBulkOut = 0x02;
constexpr unsigned char kBulkIn = 0x82;
constexpr std::size_t kPacketSize = 32;
constexpr unsigned kTimeoutMs = 300;
// A stale answer is read away with this short time-out, at most this many packets.
constexpr unsigned kDrainTimeoutMs = 20;
constexpr int kDrainPackets = 4;

constexpr Byte kStream = 0xAA;
constexpr Byte kEnd = 0x00;
constexpr Byte kStart = 0x74;
constexpr Byte kStop = 0x75;
constexpr Byte kWrite = 0x80;
constexpr Byte kRead = 0xC0;
constexpr Byte kSpeed = 0x60;
constexpr Byte kSpeedMask = 0x03;
constexpr Byte kNotAcknowledged = 0x80;

struct Adapter {
    libusb_context* context = nullptr;
    libusb_device_handle* handle = nullptr;
    std::uint32_t mode = 0;
};

// Trivially destructible, so the close at exit still finds it whatever the order of destruction.
constinit Adapter adapter;

void ReleaseHandle()
{
    if (!adapter.handle)
        return;
    libusb_release_interface(adapter.handle, kInterface);
    libusb_close(adapter.handle);
    adapter.handle = nullptr;
}

// A vanished adapter gives up its handle here, so that the next open looks for it afresh.
bool Succeeded(int result)
{
    if (result == LIBUSB_ERROR_NO_DEVICE)
        ReleaseHandle();
    return result == LIBUSB_SUCCESS;
}

bool Send(Byte* data, std::size_t length)
{
    if (!adapter.handle)
        return false;
    int sent = 0;
    const int result = libusb_bulk_transfer(adapter.handle, kBulkOut, data, static_cast<int>(length), &sent,
                                            kTimeoutMs);
    return Succeeded(result) && static_cast<std::size_t>(sent) == length;
}

void Drain()
{
    std::array<Byte, kPacketSize> scrap{};
    for (int i = 0; i < kDrainPackets && adapter.handle; ++i) {
        int got = 0;
        const int result = libusb_bulk_transfer(adapter.handle, kBulkIn, scrap.data(),
                                                static_cast<int>(scrap.size()), &got, kDrainTimeoutMs);
        if (!Succeeded(result) || got == 0)
            return;
    }
}

bool Receive(Byte* data, std::size_t length)
{
    if (!adapter.handle)
        return false;
    int got = 0;
    const int result = libusb_bulk_transfer(adapter.handle, kBulkIn, data, static_cast<int>(length), &got,
                                            kTimeoutMs);
    if (Succeeded(result) && static_cast<std::size_t>(got) == length)
        return true;
    Drain();
    return false;
}

bool SendCommand(Byte command)
{
    std::array<Byte, 3> packet{kStream, command, kEnd};
    return Send(packet.data(), packet.size());
}

bool ApplyMode()
{
    return SendCommand(static_cast<Byte>(kSpeed | (adapter.mode & kSpeedMask)));
}

bool OpenAdapter()
{
    if (!adapter.context) {
        libusb_context* context = nullptr;
        if (libusb_init(&context) != LIBUSB_SUCCESS)
            return false;
        adapter.context = context;
    }
    libusb_device_handle* handle = libusb_open_device_with_vid_pid(adapter.context, kVendor, kProduct);
    if (!handle)
        return false;
    // Not every platform can detach a kernel driver; the claim tells whether the interface is ours.
    libusb_set_auto_detach_kernel_driver(handle, 1);
    if (libusb_claim_interface(handle, kInterface) != LIBUSB_SUCCESS) {
        libusb_close(handle);
        return false;
    }
    adapter.handle = handle;
    // An answer left over from an earlier run would pass for the first transaction's.
    Drain();
    if (!ApplyMode()) {
        ReleaseHandle();
        return false;
    }
    return true;
}

// libusb answers this from the operating system's cache without bus traffic, and with
// LIBUSB_ERROR_NO_DEVICE once the adapter is unplugged. A quick re-plug can still pass it; the
// first transfer on the stale handle then fails with that error and drops the handle.
bool HandleAlive()
{
    int configuration = 0;
    return Succeeded(libusb_get_configuration(adapter.handle, &configuration));
}

enum class Outcome { Done, NotAcknowledged, Failed };

// One I2C transaction as a run of stream packets. Each packet's answer (a status byte per checked
// write, then the bytes read) fits one IN packet, so each packet costs one round trip.
struct Stream {
    std::array<Byte, kPacketSize> packet{kStream};
    std::size_t length = 1;
    std::size_t statuses = 0;
    std::size_t reads = 0;
    Byte* readBuffer = nullptr;
    std::size_t delivered = 0;
};

Outcome Flush(Stream& s)
{
    if (s.length == 1)
        return Outcome::Done;
    s.packet[s.length++] = kEnd;
    const bool sent = Send(s.packet.data(), s.length);
    const std::size_t statuses = s.statuses;
    const std::size_t reads = s.reads;
    s.length = 1;
    s.statuses = 0;
    s.reads = 0;
    if (!sent)
        return Outcome::Failed;
    if (statuses + reads == 0)
        return Outcome::Done;
    std::array<Byte, kPacketSize> answer{};
    if (!Receive(answer.data(), statuses + reads))
        return Outcome::Failed;
    const auto status = answer.begin();
    if (std::any_of(status, status + statuses, [](Byte b) { return (b & kNotAcknowledged) != 0; }))
        return Outcome::NotAcknowledged;
    if (reads > 0) {
        std::copy_n(status + statuses, reads, s.readBuffer + s.delivered);
        s.delivered += reads;
    }
    return Outcome::Done;
}

std::size_t AnswerRoom(const Stream& s)
{
    return kPacketSize - s.statuses - s.reads;
}

// Room for a command of this many bytes and its answer, with the end byte still to come.
bool Fits(const Stream& s, std::size_t commandBytes, std::size_t answer)
{
    return s.length + commandBytes + 1 <= kPacketSize && answer <= AnswerRoom(s);
}

// Queues one sub-command, sending the packet first when the command or its answer would not fit.
Outcome Put(Stream& s, std::initializer_list<Byte> command, std::size_t statuses = 0, std::size_t reads = 0)
{
    if (!Fits(s, command.size(), statuses + reads)) {
        if (const Outcome o = Flush(s); o != Outcome::Done)
            return o;
    }
    std::copy(command.begin(), command.end(), s.packet.begin() + s.length);
    s.length += command.size();
    s.statuses += statuses;
    s.reads += reads;
    return Outcome::Done;
}

Outcome PutWrite(Stream& s, Byte b)
{
    return Put(s, {kWrite, b}, 1);
}

// Acknowledged reads in runs that fill each packet's answer, then the last byte unacknowledged.
Outcome PutReads(Stream& s, std::uint32_t count)
{
    for (std::uint32_t left = count; left > 1;) {
        if (!Fits(s, 1, 1)) {
            if (const Outcome o = Flush(s); o != Outcome::Done)
                return o;
        }
        const std::size_t run = std::min<std::size_t>(left - 1, AnswerRoom(s));
        if (const Outcome o = Put(s, {static_cast<Byte>(kRead | run)}, 0, run); o != Outcome::Done)
            return o;
        left -= static_cast<std::uint32_t>(run);
    }
    return Put(s, {kRead}, 0, 1);
}

// Everything up to the stop: start, the written bytes, then for a read a repeated start, the
// address for reading and the reads. A lone address byte with a read addresses the slave for
// reading at once.
Outcome Compose(Stream& s, const Byte* bytes, std::uint32_t writeLength, std::uint32_t readLength)
{
    const Byte readAddress = static_cast<Byte>(bytes[0] | 1);
    const bool addressOnly = writeLength == 1 && readLength > 0;
    Outcome o = Put(s, {kStart});
    for (std::uint32_t i = 0; i < writeLength && o == Outcome::Done; ++i)
        o = PutWrite(s, addressOnly ? readAddress : bytes[i]);
    if (o != Outcome::Done || readLength == 0)
        return o;
    if (!addressOnly) {
        if ((o = Put(s, {kStart})) != Outcome::Done || (o = PutWrite(s, readAddress)) != Outcome::Done)
            return o;
    }
    return PutReads(s, readLength);
}

} // namespace

USBIO_HANDLE USBIO_OpenDevice(std::uint32_t index)
{
    if (index != 0)
        return INVALID_HANDLE_VALUE;
    if (adapter.handle && !HandleAlive())
        ReleaseHandle();
    if (!adapter.handle && !OpenAdapter())
        return INVALID_HANDLE_VALUE;
    return reinterpret_cast<USBIO_HANDLE>(adapter.handle);
}

void USBIO_CloseDevice(std::uint32_t index)
{
    if (index != 0)
        return;
    ReleaseHandle();
    if (adapter.context) {
        libusb_exit(adapter.context);
        adapter.context = nullptr;
    }
}

bool USBIO_SetStream(std::uint32_t index, std::uint32_t mode)
{
    if (index != 0)
        return false;
    adapter.mode = mode;
    return !adapter.handle || ApplyMode();
}

bool USBIO_StreamI2C(std::uint32_t index, std::uint32_t writeLength, const void* writeBuffer,
                     std::uint32_t readLength, void* readBuffer)
{
    if (index != 0 || !adapter.handle || writeLength == 0 || !writeBuffer || (readLength > 0 && !readBuffer))
        return false;
    Stream s;
    s.readBuffer = static_cast<Byte*>(readBuffer);
    Outcome o = Compose(s, static_cast<const Byte*>(writeBuffer), writeLength, readLength);
    const bool stopQueued = o == Outcome::Done && (o = Put(s, {kStop})) == Outcome::Done;
    if (stopQueued)
        o = Flush(s);
    // A slave that refused a byte early in a long stream still gets its stop.
    if (o == Outcome::NotAcknowledged && !stopQueued)
        SendCommand(kStop);
    return o == Outcome::Done;
}
