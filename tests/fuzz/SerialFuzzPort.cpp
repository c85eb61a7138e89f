#include "SerialFuzzPort.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <vector>

namespace {

constexpr int kPort = 1000;
constexpr std::uint8_t kSync = 0x10;
constexpr std::size_t kFrameOverhead = 4;
// A little more than a whole reply frame, so that over-long ones come too.
constexpr std::size_t kMaxReply = 80;

} // namespace

SerialFuzzPort::SerialFuzzPort(FuzzedDataProvider& data) : input(data)
{
    SetCommBackend(this);
}

SerialFuzzPort::~SerialFuzzPort()
{
    SetCommBackend(nullptr);
}

int SerialFuzzPort::Open(const std::string&, int, int)
{
    // Now and then the port is missing.
    if (input.ConsumeIntegralInRange(0, 15) == 0) {
        errno = ENOENT;
        return -1;
    }
    ++openPorts;
    return kPort;
}

void SerialFuzzPort::Close(int fd)
{
    FuzzCheck(fd == kPort && openPorts > 0, "only an open port is closed");
    --openPorts;
}

bool SerialFuzzPort::Write(int fd, const void* buffer, std::size_t count)
{
    FuzzCheck(fd == kPort && openPorts > 0, "frames go to an open port");
    const auto* frame = static_cast<const std::uint8_t*>(buffer);
    FuzzCheck(count >= kFrameOverhead && frame[0] == kSync && count == kFrameOverhead + frame[2],
              "a command is one whole frame");
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i + 1 < count; ++i)
        sum = static_cast<std::uint8_t>(sum + frame[i]);
    FuzzCheck(frame[count - 1] == sum, "a command carries its checksum");
    const std::vector<std::uint8_t> reply =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, kMaxReply));
    pending.insert(pending.end(), reply.begin(), reply.end());
    return true;
}

std::size_t SerialFuzzPort::Read(int fd, void* buffer, std::size_t count)
{
    FuzzCheck(fd == kPort && openPorts > 0, "replies are read from an open port");
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::size_t n = 0;
    for (; n < count && !pending.empty(); ++n) {
        out[n] = pending.front();
        pending.pop_front();
    }
    return n;
}

std::size_t SerialFuzzPort::BytesWaiting(int fd)
{
    FuzzCheck(fd == kPort && openPorts > 0, "only an open port is asked");
    return pending.size();
}

std::uint32_t SerialFuzzPort::TickCount()
{
    return now++;
}
