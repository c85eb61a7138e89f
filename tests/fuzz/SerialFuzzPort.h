#pragma once

#include "platform/CommBackend.h"

#include <cstdint>
#include <deque>

class FuzzedDataProvider;

// The serial adapter for the fuzzer, behind the COM layer's seam: every frame written gets
// the next run of input bytes as its reply, whatever they are, and only after the frame, since
// the transport drains its input before each command. Time passes one millisecond each time it
// is asked, so that waiting out a time-out costs no real time.
class SerialFuzzPort : public CommBackend {
public:
    explicit SerialFuzzPort(FuzzedDataProvider& input);
    ~SerialFuzzPort() override;

    int Open(const std::string& path, int baudRate, int parity) override;
    void Close(int fd) override;
    bool Write(int fd, const void* buffer, std::size_t count) override;
    std::size_t Read(int fd, void* buffer, std::size_t count) override;
    std::size_t BytesWaiting(int fd) override;
    std::uint32_t TickCount() override;

    int OpenPorts() const { return openPorts; }

private:
    FuzzedDataProvider& input;
    std::deque<std::uint8_t> pending;
    std::uint32_t now = 0;
    int openPorts = 0;
};
