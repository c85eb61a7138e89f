#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// One COM port.
class SerialPort {
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    int Open(const std::string& name, int baudRate, int parity);
    void Close();
    void Write(const void* buffer, std::size_t count);
    void WriteByte(std::uint8_t byte);
    std::size_t Read(void* buffer, std::size_t count);
    std::uint8_t ReadByte();
    std::size_t BytesWaiting();
    const std::string& GetName() const { return name; }
    int GetBaudRate() const { return baudRate; }
    bool IsOpen() const { return handle >= 0; }

private:
    std::string name;
    int baudRate = 0;
    int parity = 0;
    int handle = -1;
};
