#include "tqLink/SerialPort.h"

#include "platform/comm.h"

#include <cerrno>

namespace {

constexpr int kNoName = 16;
constexpr int kOpenFailed = 8;
constexpr int kNotSerial = 1;
constexpr int kSettingsRefused = 4;

} // namespace

SerialPort::~SerialPort()
{
    Close();
}

int SerialPort::Open(const std::string& portName, int baud, int parityMode)
{
    Close();
    if (portName.empty())
        return kNoName;
    name = portName;
    baudRate = baud;
    parity = parityMode;
    handle = CommOpen(name, baudRate, parity);
    if (handle >= 0)
        return 0;
    // The COM layer opens and configures in one call; errno names the step that failed.
    switch (errno) {
    case ENOTTY: return kNotSerial;
    case EINVAL: return kSettingsRefused;
    default: return kOpenFailed;
    }
}

void SerialPort::Close()
{
    if (handle >= 0) {
        CommClose(handle);
        handle = -1;
    }
}

void SerialPort::Write(const void* buffer, std::size_t count)
{
    if (handle >= 0)
        CommWrite(handle, buffer, count);
}

void SerialPort::WriteByte(std::uint8_t byte)
{
    Write(&byte, 1);
}

std::size_t SerialPort::Read(void* buffer, std::size_t count)
{
    return handle >= 0 ? CommRead(handle, buffer, count) : 0;
}

std::uint8_t SerialPort::ReadByte()
{
    std::uint8_t byte = 0;
    Read(&byte, 1);
    return byte;
}

std::size_t SerialPort::BytesWaiting()
{
    return handle >= 0 ? CommBytesWaiting(handle) : 0;
}
