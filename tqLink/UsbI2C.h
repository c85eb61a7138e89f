#pragma once

#include "tqLink/I2CLink.h"

// The CH341 USB adapter: one I2C transaction per transfer, on adapter 0.
class UsbI2C {
public:
    UsbI2C() = default;
    ~UsbI2C();
    UsbI2C(const UsbI2C&) = delete;
    UsbI2C& operator=(const UsbI2C&) = delete;

    std::int32_t Connect();
    void SetUsbStreamMode(u8 mode);

    std::int32_t Read8(u8 slave, u8 sub, u8* out);
    std::int32_t ReadBlock8(u8 slave, u8 sub, u16 count, u8* out);
    std::int32_t Write8(u8 slave, u8 sub, u8 data);
    std::int32_t WriteBlock8(u8 slave, u8 sub, u16 count, const u8* data);
    std::int32_t Read16(u8 slave, u16 sub, u8* out);
    std::int32_t ReadBlock16(u8 slave, u16 sub, u16 count, u8* out);
    std::int32_t Write16(u8 slave, u16 sub, u8 data);
    std::int32_t ReadReg8(u8 sub, u8* out);
    std::int32_t ReadRegBlock8(u8 sub, u16 count, u8* out);
    std::int32_t WriteReg8(u8 sub, u8 data);
    std::int32_t ReadReg16(u16 sub, u8* out);
    std::int32_t ReadRegBlock16(u16 sub, u16 count, u8* out);
    std::int32_t WriteReg16(u16 sub, u8 data);

    bool IsOpened() const { return opened != 0; }

private:
    std::int32_t Transfer(const u8* write, u16 writeLength, u16 readLength, u8* read);

    std::int32_t opened = 0;
};

extern UsbI2C g_usbI2C;
