#include "SimSerialAdapter.h"

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr std::uint8_t kSync = 0x10;
constexpr std::size_t kFrameOverhead = 4;
constexpr int kPollMs = 5;

void WriteAll(int fd, const std::uint8_t* data, std::size_t count)
{
    while (count > 0) {
        const ssize_t n = ::write(fd, data, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        count -= static_cast<std::size_t>(n);
    }
}

} // namespace

SimSerialAdapter::SimSerialAdapter() : fallback{Ack({0x00})}
{
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128] = {};
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0)
        throw std::runtime_error("no pseudo-terminal");
    portPath = name;
    slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveHold < 0)
        throw std::runtime_error("cannot open " + portPath);
    responder = std::thread([this] { Run(); });
}

SimSerialAdapter::~SimSerialAdapter()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    responder.join();
    ::close(slaveHold);
    ::close(master);
}

Bytes SimSerialAdapter::Frame(std::uint8_t code, const Bytes& payload)
{
    Bytes frame{kSync, code, static_cast<std::uint8_t>(payload.size())};
    frame.insert(frame.end(), payload.begin(), payload.end());
    unsigned sum = 0;
    for (std::uint8_t b : frame)
        sum += b;
    frame.push_back(static_cast<std::uint8_t>(sum));
    return frame;
}

Bytes SimSerialAdapter::Ack(const Bytes& data)
{
    Bytes payload{0x00};
    payload.insert(payload.end(), data.begin(), data.end());
    return Frame(0x06, payload);
}

void SimSerialAdapter::Script(Reply reply)
{
    std::lock_guard lock(mutex);
    script.push_back(std::move(reply));
}

void SimSerialAdapter::SetDefaultReply(Reply reply)
{
    std::lock_guard lock(mutex);
    fallback = std::move(reply);
}

std::vector<Bytes> SimSerialAdapter::TakeFrames()
{
    std::lock_guard lock(mutex);
    return std::exchange(frames, {});
}

Bytes SimSerialAdapter::TakeReceived()
{
    std::lock_guard lock(mutex);
    return std::exchange(received, {});
}

void SimSerialAdapter::Run()
{
    for (;;) {
        {
            std::lock_guard lock(mutex);
            if (stopping)
                return;
        }
        pollfd pfd{master, POLLIN, 0};
        if (::poll(&pfd, 1, kPollMs) <= 0 || (pfd.revents & POLLIN) == 0)
            continue;
        std::uint8_t buffer[256];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0)
            Collect(buffer, static_cast<std::size_t>(n));
    }
}

void SimSerialAdapter::Collect(const std::uint8_t* data, std::size_t count)
{
    {
        std::lock_guard lock(mutex);
        received.insert(received.end(), data, data + count);
    }
    unframed.insert(unframed.end(), data, data + count);
    for (;;) {
        std::size_t skip = 0;
        while (skip < unframed.size() && unframed[skip] != kSync)
            ++skip;
        unframed.erase(unframed.begin(), unframed.begin() + static_cast<std::ptrdiff_t>(skip));
        if (unframed.size() < 3 || unframed.size() < kFrameOverhead + unframed[2])
            return;
        const auto end = unframed.begin() + static_cast<std::ptrdiff_t>(kFrameOverhead + unframed[2]);
        Reply reply;
        {
            std::lock_guard lock(mutex);
            frames.emplace_back(unframed.begin(), end);
            if (script.empty()) {
                reply = fallback;
            } else {
                reply = std::move(script.front());
                script.pop_front();
            }
        }
        unframed.erase(unframed.begin(), end);
        Send(reply);
    }
}

void SimSerialAdapter::Send(const Reply& reply)
{
    if (reply.gap.count() == 0) {
        WriteAll(master, reply.bytes.data(), reply.bytes.size());
        return;
    }
    for (std::size_t i = 0; i < reply.bytes.size(); ++i) {
        if (i > 0) {
            std::unique_lock lock(mutex);
            if (wake.wait_for(lock, reply.gap, [this] { return stopping; }))
                return;
        }
        WriteAll(master, &reply.bytes[i], 1);
    }
}
