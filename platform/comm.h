#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// COM ports over termios. "COMn" names /dev/ttyS(n-1); any other name is taken as a path.
std::string CommDevicePath(const std::string& name);
// Test hook: maps one port name to another path; an empty path removes the mapping.
void CommSetPortPath(const std::string& name, const std::string& path);

// Opens the port raw, 8 data bits, one stop bit, no flow control; parity 0 none, 1 odd, 2 even.
// Returns the descriptor, or -1 with errno from open(), or ENOTTY/EINVAL from the configuration.
int CommOpen(const std::string& name, int baudRate, int parity);
void CommClose(int fd);
// Writes the whole buffer; false on failure.
bool CommWrite(int fd, const void* buffer, std::size_t count);
// Reads what is there, up to count bytes, without waiting; returns the number read.
std::size_t CommRead(int fd, void* buffer, std::size_t count);
// Bytes in the input queue; 0 when it cannot be asked.
std::size_t CommBytesWaiting(int fd);

// A millisecond tick from a monotonic clock, wrapping at 32 bits.
std::uint32_t GetTickCount();
