#pragma once

#include <cstdint>

// Port I/O on the first parallel port: 0x378 data, 0x379 status, 0x37A control.
bool InitializeWinIo();
void ShutdownWinIo();
// Puts the byte read in the low byte of *value; false when nothing could be read.
bool GetPortVal(std::uint16_t port, std::uint32_t* value, std::uint8_t size);
bool SetPortVal(std::uint16_t port, std::uint32_t value, std::uint8_t size);
