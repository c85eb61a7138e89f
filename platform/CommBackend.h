#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The seam under the COM layer: opening a port by its device path, the four calls made on an
// open one and the clock of its time-outs, with the meaning of CommOpen, CommClose, CommWrite,
// CommRead, CommBytesWaiting and GetTickCount. Tests install their own to answer the transport
// without a terminal and without waiting.
class CommBackend {
public:
    virtual ~CommBackend() = default;
    virtual int Open(const std::string& path, int baudRate, int parity) = 0;
    virtual void Close(int fd) = 0;
    virtual bool Write(int fd, const void* buffer, std::size_t count) = 0;
    virtual std::size_t Read(int fd, void* buffer, std::size_t count) = 0;
    virtual std::size_t BytesWaiting(int fd) = 0;
    virtual std::uint32_t TickCount() = 0;
};

// Installs the backend that the COM calls go to (null: the terminal calls). Switch it only
// while no port is open.
void SetCommBackend(CommBackend* backend);
