#pragma once

#include <cstdint>

// The four adapter-library calls the USB transport relies on, for a CH341 in I2C mode.
using USBIO_HANDLE = std::intptr_t;
inline constexpr USBIO_HANDLE INVALID_HANDLE_VALUE = -1;

// Opens adapter `index` (or finds the handle already open still alive); INVALID_HANDLE_VALUE
// when it cannot be opened.
USBIO_HANDLE USBIO_OpenDevice(std::uint32_t index);
void USBIO_CloseDevice(std::uint32_t index);
// Bits 0-1 select the I2C speed (0: 20 kHz, 1: 100 kHz, 2: 400 kHz, 3: 750 kHz); applied now
// when the adapter is open and at every later open.
bool USBIO_SetStream(std::uint32_t index, std::uint32_t mode);
// One I2C transaction: write `writeLength` bytes (the first is the slave address byte), then
// read `readLength` bytes. False on any USB error, time-out or missing acknowledge.
bool USBIO_StreamI2C(std::uint32_t index, std::uint32_t writeLength, const void* writeBuffer, std::uint32_t readLength,
                     void* readBuffer);
