#include "Ch341Emulator.h"

#include <libusb.h>

#include <algorithm>
#include <utility>

namespace {

constexpr unsigned char kBulkOut = 0x02;
constexpr unsigned char kBulkIn = 0x82;
constexpr std::size_t kPacketSize = 32;

constexpr std::uint8_t kStream = 0xAA;
constexpr std::uint8_t kEnd = 0x00;
constexpr std::uint8_t kStart = 0x74;
constexpr std::uint8_t kStop = 0x75;
constexpr std::uint8_t kWrite = 0x80;
constexpr std::uint8_t kRead = 0xC0;
constexpr std::uint8_t kSpeed = 0x60;
constexpr std::uint8_t kCommandMask = 0xC0;
constexpr std::uint8_t kLengthMask = 0x3F;
constexpr std::uint8_t kSpeedMask = 0x03;
// The status of a write with count 0, as captured from real adapters: bit 7 clear when the byte
// was acknowledged; of the others all are set but bit 4.
constexpr std::uint8_t kAcknowledged = 0x6F;
constexpr std::uint8_t kNotAcknowledged = 0xEF;
constexpr std::size_t kMaxReadRun = 32;
constexpr std::uint8_t kIdleBus = 0xFF;
constexpr std::uint8_t kSurplusByte = 0x5A;

} // namespace

Ch341Emulator& Ch341Emulator::Instance()
{
    static Ch341Emulator* const instance = new Ch341Emulator;
    return *instance;
}

void Ch341Emulator::Reset()
{
    plugged = false;
    Plug();
    plugSource = nullptr;
    fault.reset();
    refuse.reset();
    refuseAddress = false;
    openFailure = 0;
    raw = false;
    rawPackets.clear();
    answerSurplus = 0;
    slave = BankedSlave{};
    ClearLog();
    protocolErrors.clear();
}

void Ch341Emulator::Plug()
{
    if (plugged)
        return;
    plugged = true;
    ++plugCount;
    claimed = false;
    driverBound = true;
    speed.reset();
    inPackets.clear();
    bus = Bus::Idle;
}

void Ch341Emulator::Unplug()
{
    plugged = false;
    claimed = false;
    inPackets.clear();
    bus = Bus::Idle;
}

void Ch341Emulator::SetPlugSource(std::function<bool()> source)
{
    plugSource = std::move(source);
}

void Ch341Emulator::FailTransfer(UsbFault f, unsigned skip)
{
    fault = Fault{f, skip};
}

void Ch341Emulator::RefuseByte(std::size_t at)
{
    refuse = at;
}

void Ch341Emulator::ReplyRaw(std::deque<std::vector<std::uint8_t>> packets)
{
    raw = true;
    rawPackets = std::move(packets);
}

void Ch341Emulator::ClearLog()
{
    speedCommands = 0;
    opens = 0;
    roundTrips = 0;
    outWentBefore = false;
    outPackets.clear();
    answers.clear();
    // A transaction under way keeps its record, which its next bytes and its stop go to.
    transactions.erase(transactions.begin(), bus == Bus::Idle ? transactions.end() : transactions.end() - 1);
}

void Ch341Emulator::SetErrorSink(std::function<void(const std::string&)> sink)
{
    errorSink = std::move(sink);
}

void Ch341Emulator::FollowPlugSource()
{
    if (!plugSource)
        return;
    if (plugSource())
        Plug();
    else
        Unplug();
}

std::optional<unsigned> Ch341Emulator::Find()
{
    FollowPlugSource();
    if (!plugged)
        return std::nullopt;
    return plugCount;
}

int Ch341Emulator::Open(unsigned plug)
{
    FollowPlugSource();
    if (!Current(plug))
        return LIBUSB_ERROR_NO_DEVICE;
    if (openFailure != 0)
        return openFailure;
    ++opens;
    ++openHandles;
    return LIBUSB_SUCCESS;
}

void Ch341Emulator::Close(unsigned plug, bool claimedByHandle)
{
    --openHandles;
    // Closing the device file gives the interface back, as the kernel does.
    if (claimedByHandle && Current(plug))
        claimed = false;
}

int Ch341Emulator::Claim(unsigned plug, bool autoDetach)
{
    FollowPlugSource();
    if (!Current(plug))
        return LIBUSB_ERROR_NO_DEVICE;
    if (claimed || (driverBound && !autoDetach))
        return LIBUSB_ERROR_BUSY;
    driverBound = false;
    claimed = true;
    return LIBUSB_SUCCESS;
}

int Ch341Emulator::Release(unsigned plug, bool autoDetach)
{
    FollowPlugSource();
    if (!Current(plug))
        return LIBUSB_ERROR_NO_DEVICE;
    claimed = false;
    if (autoDetach)
        driverBound = true;
    return LIBUSB_SUCCESS;
}

int Ch341Emulator::Configuration(unsigned plug, int& value)
{
    FollowPlugSource();
    if (!Current(plug))
        return LIBUSB_ERROR_NO_DEVICE;
    value = 1;
    return LIBUSB_SUCCESS;
}

int Ch341Emulator::BulkTransfer(unsigned plug, bool claimedByHandle, unsigned char endpoint, unsigned char* data,
                                int length, int& transferred)
{
    transferred = 0;
    FollowPlugSource();
    if (endpoint != kBulkOut && endpoint != kBulkIn) {
        Error("transfer on endpoint " + std::to_string(endpoint));
        return LIBUSB_ERROR_INVALID_PARAM;
    }
    if (endpoint == kBulkOut || !outWentBefore)
        ++roundTrips;
    outWentBefore = endpoint == kBulkOut;
    if (fault && fault->skip-- == 0) {
        const UsbFault f = fault->fault;
        fault.reset();
        if (f == UsbFault::Unplug)
            Unplug();
        else
            return f == UsbFault::Io ? LIBUSB_ERROR_IO : LIBUSB_ERROR_TIMEOUT;
    }
    if (!Current(plug))
        return LIBUSB_ERROR_NO_DEVICE;
    if (!claimedByHandle) {
        Error("transfer without the interface claimed");
        return LIBUSB_ERROR_IO;
    }
    return endpoint == kBulkOut ? Out(data, length, transferred) : In(data, length, transferred);
}

// The host cuts a transfer into packets; the chip runs each one and queues its answer.
int Ch341Emulator::Out(const unsigned char* data, int length, int& transferred)
{
    for (int at = 0; at < length; at += static_cast<int>(kPacketSize)) {
        const int size = std::min(length - at, static_cast<int>(kPacketSize));
        outPackets.emplace_back(data + at, data + at + size);
        answer.clear();
        Decode(outPackets.back());
        if (!answer.empty())
            answer.resize(static_cast<std::size_t>(std::max(0, static_cast<int>(answer.size()) + answerSurplus)),
                          kSurplusByte);
        answers.push_back(answer);
        for (std::size_t from = 0; !raw && from < answer.size(); from += kPacketSize) {
            const std::size_t size = std::min(kPacketSize, answer.size() - from);
            inPackets.emplace_back(answer.data() + from, answer.data() + from + size);
        }
    }
    transferred = length;
    return LIBUSB_SUCCESS;
}

// A transfer ends when it is full or a short packet arrives; a packet larger than the room left
// is an overflow, and no packet at all a time-out.
int Ch341Emulator::In(unsigned char* data, int length, int& transferred)
{
    const auto room = [&] { return static_cast<std::size_t>(length - transferred); };
    auto& queue = raw ? rawPackets : inPackets;
    while (room() > 0) {
        if (queue.empty())
            return LIBUSB_ERROR_TIMEOUT;
        const std::vector<std::uint8_t> packet = std::move(queue.front());
        queue.pop_front();
        if (packet.size() > room())
            return LIBUSB_ERROR_OVERFLOW;
        std::copy(packet.begin(), packet.end(), data + transferred);
        transferred += static_cast<int>(packet.size());
        if (packet.size() < kPacketSize)
            break;
    }
    return LIBUSB_SUCCESS;
}

void Ch341Emulator::Decode(const std::vector<std::uint8_t>& packet)
{
    if (packet.empty() || packet[0] != kStream) {
        Error("packet does not start with 0xAA");
        return;
    }
    std::size_t statuses = 0;
    for (std::size_t i = 1; i < packet.size();) {
        const std::uint8_t command = packet[i++];
        const std::size_t n = command & kLengthMask;
        if (command == kEnd)
            return;
        if (command == kStart) {
            Start();
        } else if (command == kStop) {
            Stop();
        } else if ((command & ~kSpeedMask) == kSpeed) {
            speed = command & kSpeedMask;
            ++speedCommands;
        } else if ((command & kCommandMask) == kWrite) {
            if (i + std::max<std::size_t>(n, 1) > packet.size()) {
                Error("write runs past the end of its packet");
                return;
            }
            if (n == 0) {
                if (++statuses == 2)
                    Error("second write with a status in one packet");
                answer.push_back(WriteByte(packet[i++]) ? kAcknowledged : kNotAcknowledged);
            } else {
                for (std::size_t k = 0; k < n; ++k)
                    WriteByte(packet[i++]);
            }
        } else if ((command & kCommandMask) == kRead) {
            if (n > kMaxReadRun)
                Error("read of " + std::to_string(n) + " bytes in one command");
            if (n == 0) {
                answer.push_back(ReadByte(false));
            } else {
                for (std::size_t k = 0; k < n; ++k)
                    answer.push_back(ReadByte(true));
            }
        } else {
            Error("unknown command " + std::to_string(command));
            return;
        }
    }
    Error("packet does not end with 0x00");
}

void Ch341Emulator::Start()
{
    if (bus == Bus::Reading && !lastByteRead)
        Error("repeated start while the slave is sending");
    if (bus == Bus::Idle) {
        transactions.emplace_back();
        position = 0;
        refuseNow = std::exchange(refuse, std::nullopt);
        refuseAddressNow = std::exchange(refuseAddress, false);
    }
    bus = Bus::Address;
}

void Ch341Emulator::Stop()
{
    if (bus == Bus::Idle) {
        Error("stop without a start");
        return;
    }
    if (bus == Bus::Reading && !lastByteRead)
        Error("stop while the slave is sending");
    transactions.back().stopped = true;
    slave.Stop();
    bus = Bus::Idle;
}

bool Ch341Emulator::WriteByte(std::uint8_t byte)
{
    if (bus == Bus::Idle || bus == Bus::Reading) {
        Error(bus == Bus::Idle ? "byte written without a start" : "byte written while the slave is sending");
        return false;
    }
    I2CTransaction& t = transactions.back();
    t.written.push_back(byte);
    const bool refused = refuseNow == position++ || (bus == Bus::Address && refuseAddressNow);
    bool acknowledged = false;
    if (bus == Bus::Address && !refused && slave.Answers(byte)) {
        const bool read = (byte & 1) != 0;
        bus = read ? Bus::Reading : Bus::Writing;
        lastByteRead = false;
        slave.Addressed(read);
        acknowledged = true;
    } else if (bus == Bus::Writing && !refused) {
        slave.Write(byte);
        acknowledged = true;
    } else {
        bus = Bus::Ignoring;
    }
    t.acknowledged = t.acknowledged && acknowledged;
    return acknowledged;
}

std::uint8_t Ch341Emulator::ReadByte(bool acknowledge)
{
    if (bus != Bus::Reading && bus != Bus::Ignoring) {
        Error("byte read while the slave is not addressed for reading");
        return kIdleBus;
    }
    ++transactions.back().read;
    if (bus == Bus::Ignoring)
        return kIdleBus;
    if (lastByteRead)
        Error("byte read after the unacknowledged last one");
    lastByteRead = !acknowledge;
    return slave.Read();
}

void Ch341Emulator::Error(const std::string& what)
{
    protocolErrors.push_back(what);
    if (errorSink)
        errorSink(what);
}
