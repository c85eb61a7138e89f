#pragma once

#include "tqLink/I2CLink.h"

// The transfer record of the bit-bang engine.
struct LptTransfer {
    // Room for the most the engine is ever given: 4 sub-address bytes, then 255 data bytes.
    static constexpr int kBytes = 4 + 255;
    u8 flags = 0;
    u8 count = 0;
    u8 slave = 0;
    u8 bytes[kBytes] = {};
};

// An I2C master bit-banged on the first parallel port.
class LptI2C {
public:
    LptI2C();
    ~LptI2C();
    LptI2C(const LptI2C&) = delete;
    LptI2C& operator=(const LptI2C&) = delete;

    std::int32_t Connect();
    std::int32_t Read8(u8 slave, u8 sub, u8* out);
    std::int32_t Write8(u8 slave, u8 sub, u8 data);
    std::int32_t Read16(u8 slave, u16 sub, u8* out);
    std::int32_t ReadBlock16(u8 slave, u16 sub, u8 count, u8* buf);
    std::int32_t Write16(u8 slave, u16 sub, u8 data);
    std::int32_t ReadReg8(u8 sub, u8* out);
    std::int32_t ReadRegBlock8(u8 sub, u8 count, u8* buf);
    std::int32_t WriteReg8(u8 sub, u8 data);
    std::int32_t ReadReg16(u16 sub, u8* out);
    std::int32_t ReadRegBlock16(u16 sub, u8 count, u8* buf);
    std::int32_t WriteReg16(u16 sub, u8 data);

    void SetWiring(u8 value) { wiring = value; }

private:
    void SclHigh();
    void SclLow();
    void SdaHigh();
    void SdaLow();
    int SdaSense();
    void Wait(u16 rounds);
    void Idle();
    void Start();
    void Stop();
    void WriteBit(int bit);
    int ReadBit();
    int ReadAck();
    void SendAck();
    void SendNack();
    void WriteByte(u8 byte);
    u8 ReadByte();
    std::int32_t WriteTransfer(LptTransfer& record);
    std::int32_t ReadTransfer(LptTransfer& record);
    void PortWrite(u16 port, u8 value);
    u8 PortRead(u16 port);

    u8 wiring = 0;
    u8 dataShadow = 0;
    u8 controlShadow = 0;
};

extern LptI2C g_lptI2C;
extern std::int32_t g_winIoReady;
extern u16 g_lptHalfBitDelay;
extern u16 g_lptGapDelay;
