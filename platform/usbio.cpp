#include "platform/usbio.h"

#include <libusb.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <span>

namespace {

using Byte = std::uint8_t;

constexpr std::uint16_t kVendor = 0x1A86;
constexpr std::uint16_t kProduct = 0x5512;
constexpr int kInterface = 0;
constexpr unsigned char kBulkOut = 0x02;
constexpr unsigned char kBulkIn = 0x82;
constexpr std::size_t kPacketSize = 32;
// A packet's answer stays one byte short of a full IN packet, so that a surplus byte from the
// adapter still arrives in the same packet and never passes for the start of the next answer.
constexpr std::size_t kAnswerRoom = kPacketSize - 1;
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
// 0x80 | n writes n bytes; n has six bits.
constexpr std::size_t kMaxWriteRun = 0x3F;
// The bytes written before a read that still leave room in the first packet for the repeated start
// and the checked address: AA 74 8n <n bytes> 74 80 address 00.
constexpr std::size_t kLongestWriteBeforeCheckedRead = kPacketSize - 7;

constexpr const char* kUdevRule = "platform/udev/50-vexbus-ch341.rules";

// Where a transaction stands on the bus.
struct Bus {
    bool started = false;      // a start not yet followed by its stop
    bool slaveSending = false; // the last byte read was acknowledged, so the slave drives SDA

    void Follow(Byte command)
    {
        if (command == kStart || command == kStop)
            *this = Bus{command == kStart, false};
        else if ((command & kRead) == kRead)
            slaveSending = command != kRead;
    }
};

struct Adapter {
    libusb_context* context = nullptr;
    libusb_device_handle* handle = nullptr;
    std::uint32_t mode = 0;
    // Why the adapter, found but not opened, was last reported; success while none is reported.
    int reported = LIBUSB_SUCCESS;
    // A transaction broken off whose ending could not be sent either: it is ended before the next.
    Bus unfinished;
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
    // The bus state goes with the adapter given up: one plugged in again starts idle.
    adapter.unfinished = Bus{};
}

// A vanished adapter gives up its handle here, so that the next open looks for it afresh.
bool Succeeded(int result)
{
    if (result == LIBUSB_ERROR_NO_DEVICE)
        ReleaseHandle();
    return result == LIBUSB_SUCCESS;
}

// A libusb result; a packet sent in part counts as an I/O error.
int Send(Byte* data, std::size_t length)
{
    if (!adapter.handle)
        return LIBUSB_ERROR_NO_DEVICE;
    int sent = 0;
    const int result =
        libusb_bulk_transfer(adapter.handle, kBulkOut, data, static_cast<int>(length), &sent, kTimeoutMs);
    if (!Succeeded(result))
        return result;
    return static_cast<std::size_t>(sent) == length ? LIBUSB_SUCCESS : LIBUSB_ERROR_IO;
}

void Drain()
{
    std::array<Byte, kPacketSize> scrap{};
    for (int i = 0; i < kDrainPackets && adapter.handle; ++i) {
        int got = 0;
        const int result = libusb_bulk_transfer(adapter.handle, kBulkIn, scrap.data(), static_cast<int>(scrap.size()),
                                                &got, kDrainTimeoutMs);
        if (!Succeeded(result) || got == 0)
            return;
    }
}

using Packet = std::array<Byte, kPacketSize>;

// Asks for a whole packet, as a smaller request would overflow on a surplus byte; the answer
// comes first and anything after it is dropped.
bool Receive(Packet& packet, std::size_t length)
{
    if (!adapter.handle)
        return false;
    int got = 0;
    const int result =
        libusb_bulk_transfer(adapter.handle, kBulkIn, packet.data(), static_cast<int>(packet.size()), &got, kTimeoutMs);
    if (Succeeded(result) && static_cast<std::size_t>(got) >= length)
        return true;
    Drain();
    return false;
}

int SendCommand(Byte command)
{
    std::array<Byte, 3> packet{kStream, command, kEnd};
    return Send(packet.data(), packet.size());
}

int ApplyMode()
{
    return SendCommand(static_cast<Byte>(kSpeed | (adapter.mode & kSpeedMask)));
}

// The first adapter plugged in, unopened and with a reference of its own; null when none is.
libusb_device* FindAdapter()
{
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(adapter.context, &list);
    if (count < 0)
        return nullptr;
    libusb_device* found = nullptr;
    for (ssize_t i = 0; i < count && !found; ++i) {
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(list[i], &descriptor) == LIBUSB_SUCCESS && descriptor.idVendor == kVendor &&
            descriptor.idProduct == kProduct)
            found = libusb_ref_device(list[i]);
    }
    libusb_free_device_list(list, 1);
    return found;
}

int Claim(libusb_device_handle* handle)
{
    // Not every platform can detach a kernel driver; the claim tells whether the interface is ours.
    libusb_set_auto_detach_kernel_driver(handle, 1);
    if (const int result = libusb_claim_interface(handle, kInterface); result != LIBUSB_SUCCESS) {
        libusb_close(handle);
        return result;
    }
    adapter.handle = handle;
    // An answer left over from an earlier run would pass for the first transaction's.
    Drain();
    const int result = ApplyMode();
    if (result != LIBUSB_SUCCESS)
        ReleaseHandle();
    return result;
}

// The connection check asks once a second: a failure is told once, until an open succeeds, the
// adapter goes away or the reason changes. Without it a user lacking the permission would see
// only "not connected".
void Report(libusb_device* device, int result)
{
    if (result == adapter.reported)
        return;
    adapter.reported = result;
    if (result == LIBUSB_SUCCESS)
        return;
    std::fprintf(stderr,
                 "vexbus: the CH341 adapter %04x:%04x at /dev/bus/usb/%03u/%03u cannot be opened: %s "
                 "(access without root: the udev rule %s, see the README)\n",
                 kVendor, kProduct, libusb_get_bus_number(device), libusb_get_device_address(device),
                 libusb_error_name(result), kUdevRule);
}

bool OpenAdapter()
{
    if (!adapter.context) {
        libusb_context* context = nullptr;
        if (libusb_init(&context) != LIBUSB_SUCCESS)
            return false;
        adapter.context = context;
    }
    libusb_device* device = FindAdapter();
    if (!device) {
        adapter.reported = LIBUSB_SUCCESS;
        return false;
    }
    libusb_device_handle* handle = nullptr;
    int result = libusb_open(device, &handle);
    if (result == LIBUSB_SUCCESS)
        result = Claim(handle);
    // Unplugged while being opened: nothing to tell.
    Report(device, result == LIBUSB_ERROR_NO_DEVICE ? LIBUSB_SUCCESS : result);
    libusb_unref_device(device);
    return result == LIBUSB_SUCCESS;
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

// One I2C transaction as a run of stream packets. A packet's answer is the status of the one
// checked address byte, when the packet carries it, then the bytes read; it fits one IN packet,
// so each packet costs one round trip.
struct Stream {
    Packet packet{kStream};
    std::size_t length = 1;
    std::size_t statuses = 0;
    std::size_t reads = 0;
    Byte* readBuffer = nullptr;
    std::size_t delivered = 0;
    Bus queued; // after the commands queued so far
    Bus sent;   // after the packets the adapter has taken
};

Outcome Flush(Stream& s)
{
    if (s.length == 1)
        return Outcome::Done;
    s.packet[s.length++] = kEnd;
    const bool sent = Send(s.packet.data(), s.length) == LIBUSB_SUCCESS;
    const std::size_t statuses = s.statuses;
    const std::size_t reads = s.reads;
    s.length = 1;
    s.statuses = 0;
    s.reads = 0;
    if (!sent)
        return Outcome::Failed;
    s.sent = s.queued;
    if (statuses + reads == 0)
        return Outcome::Done;
    Packet answer{};
    if (!Receive(answer, statuses + reads))
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
    return kAnswerRoom - s.statuses - s.reads;
}

// Room for a command of this many bytes and its answer, with the end byte still to come.
bool Fits(const Stream& s, std::size_t commandBytes, std::size_t answer)
{
    return s.length + commandBytes + 1 <= kPacketSize && answer <= AnswerRoom(s);
}

// Queues one sub-command with the bytes it carries, sending the packet first when the command or
// its answer would not fit.
Outcome Put(Stream& s, Byte command, std::span<const Byte> data = {}, std::size_t statuses = 0, std::size_t reads = 0)
{
    if (!Fits(s, 1 + data.size(), statuses + reads)) {
        if (const Outcome o = Flush(s); o != Outcome::Done)
            return o;
    }
    s.packet[s.length++] = command;
    std::copy(data.begin(), data.end(), s.packet.begin() + s.length);
    s.length += data.size();
    s.statuses += statuses;
    s.reads += reads;
    s.queued.Follow(command);
    return Outcome::Done;
}

// The one write of a transaction that answers with a status: adapters are known to answer it
// for a single byte per packet, so it is kept for the address byte that tells whether the slave
// is there.
Outcome PutChecked(Stream& s, Byte address)
{
    return Put(s, kWrite, std::span(&address, 1), 1);
}

// Bytes written without an answer, as many to a command as the packet holds.
Outcome PutWrites(Stream& s, std::span<const Byte> bytes)
{
    while (!bytes.empty()) {
        if (!Fits(s, 2, 0)) {
            if (const Outcome o = Flush(s); o != Outcome::Done)
                return o;
        }
        const std::size_t run = std::min({bytes.size(), kPacketSize - s.length - 2, kMaxWriteRun});
        if (const Outcome o = Put(s, static_cast<Byte>(kWrite | run), bytes.first(run)); o != Outcome::Done)
            return o;
        bytes = bytes.subspan(run);
    }
    return Outcome::Done;
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
        if (const Outcome o = Put(s, static_cast<Byte>(kRead | run), {}, 0, run); o != Outcome::Done)
            return o;
        left -= static_cast<std::uint32_t>(run);
    }
    return Put(s, kRead, {}, 0, 1);
}

// Everything up to the stop: start, the written bytes, then for a read a repeated start, the
// address for reading and the reads. A lone address byte with a read addresses the slave for
// reading at once. The address checked is the one for reading, unless the bytes written before
// it leave it no room in the first packet: later packets carry no checked write, so the first
// address byte is checked then.
Outcome Compose(Stream& s, std::span<const Byte> write, std::uint32_t readLength)
{
    const Byte readAddress = static_cast<Byte>(write[0] | 1);
    Outcome o = Put(s, kStart);
    if (o != Outcome::Done)
        return o;
    if (readLength > 0 && write.size() == 1) {
        if ((o = PutChecked(s, readAddress)) != Outcome::Done)
            return o;
        return PutReads(s, readLength);
    }
    const bool checkFirst = readLength == 0 || write.size() > kLongestWriteBeforeCheckedRead;
    if (checkFirst) {
        if ((o = PutChecked(s, write[0])) != Outcome::Done)
            return o;
        write = write.subspan(1);
    }
    if ((o = PutWrites(s, write)) != Outcome::Done || readLength == 0)
        return o;
    if ((o = Put(s, kStart)) != Outcome::Done)
        return o;
    o = checkFirst ? PutWrites(s, std::span(&readAddress, 1)) : PutChecked(s, readAddress);
    if (o != Outcome::Done)
        return o;
    return PutReads(s, readLength);
}

// Ends a transaction that the adapter began but did not finish, unless the adapter is gone. A
// slave that is sending gets one more read without acknowledge first, so that it lets go of SDA
// for the stop. An ending that cannot be sent is kept for the next try.
bool Finish(Bus bus)
{
    adapter.unfinished = Bus{};
    if (!bus.started || !adapter.handle)
        return true;
    int result = LIBUSB_SUCCESS;
    if (bus.slaveSending) {
        Packet packet{kStream, kRead, kStop, kEnd};
        result = Send(packet.data(), 4);
        if (result == LIBUSB_SUCCESS)
            Receive(packet, 1);
    } else {
        result = SendCommand(kStop);
    }
    if (result != LIBUSB_SUCCESS && adapter.handle)
        adapter.unfinished = bus;
    return result == LIBUSB_SUCCESS;
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
    return !adapter.handle || ApplyMode() == LIBUSB_SUCCESS;
}

bool USBIO_StreamI2C(std::uint32_t index, std::uint32_t writeLength, const void* writeBuffer, std::uint32_t readLength,
                     void* readBuffer)
{
    if (index != 0 || !adapter.handle || writeLength == 0 || !writeBuffer || (readLength > 0 && !readBuffer))
        return false;
    // A slave left sending would hold SDA against the new start.
    if (!Finish(adapter.unfinished))
        return false;
    Stream s;
    s.readBuffer = static_cast<Byte*>(readBuffer);
    Outcome o = Compose(s, std::span(static_cast<const Byte*>(writeBuffer), writeLength), readLength);
    if (o == Outcome::Done)
        o = Put(s, kStop);
    if (o == Outcome::Done)
        o = Flush(s);
    // A refused address or a USB error part way through a long stream leaves the bus mid-transaction.
    if (o != Outcome::Done)
        Finish(s.sent);
    return o == Outcome::Done;
}
