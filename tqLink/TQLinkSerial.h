#pragma once

#include "tqLink/I2CLink.h"
#include "tqLink/SerialPort.h"

#include <cstddef>
#include <initializer_list>
#include <string>

// One frame: sync, code, length, payload, checksum.
struct SerialPacket {
    u8 sync = 0;
    u8 code = 0;
    u8 len = 0;
    u8 payload[64] = {};
    u8 sum = 0;
};

// An I2C adapter on a serial port speaking checksummed frames.
class TQLinkSerial {
public:
    TQLinkSerial();
    virtual ~TQLinkSerial();
    TQLinkSerial(const TQLinkSerial&) = delete;
    TQLinkSerial& operator=(const TQLinkSerial&) = delete;

    std::int32_t Connect(const std::string& portName, int baudRate);
    std::int32_t Read8(u8 slave, u8 sub, u8* out);
    std::int32_t Write8(u8 slave, u8 sub, u8 data);
    std::int32_t Read16(u8 slave, u16 sub, u8* out);
    std::int32_t Write16(u8 slave, u16 sub, u8 data);
    std::int32_t ReadReg8(u8 sub, u8* out);
    std::int32_t ReadRegBlock8(u8 sub, u8 count, u8* buf);
    std::int32_t WriteReg8(u8 sub, u8 data);
    std::int32_t ReadReg16(u16 sub, u8* out);
    std::int32_t ReadRegBlock16(u16 sub, u8 count, u8* buf);
    std::int32_t WriteReg16(u16 sub, u8 data);
    std::int32_t AuxRead1(u8 first, u8* out);
    std::int32_t AuxRead2(u8 first, u8 second, u8* out);
    std::int32_t AuxWrite2(u8 first, u8 second);
    std::int32_t AuxWrite3(u8 first, u8 second, u8 third);
    std::int32_t Ping(u8* out);
    std::int32_t SendWord(u16 value);
    std::int32_t GetMaxPayload(std::int32_t* out);
    void Close();
    int SetTimeout(int milliseconds);
    std::int32_t IsConnected() const { return connected; }
    std::int32_t GetLastStatus() const { return lastStatus; }
    SerialPort* GetPort() { return &port; }

private:
    std::int32_t Command(u8 command, std::initializer_list<u8> payload);
    void SendFrame(u8 command, std::initializer_list<u8> payload);
    std::int32_t TakeData(u8* out, std::size_t count);
    void DrainInput();
    std::int32_t ReceiveByte(u8* out);
    std::int32_t ReceivePacket();
    std::int32_t ReportStatus(std::int32_t status);
    std::int32_t ReplyStatus() const;
    void SealFrame();

    std::int32_t lastStatus = 0;
    std::int32_t connected = 0;
    u8 flags = 1;
    int timeoutMs = 2000;
    SerialPort port;
    SerialPacket rx;
    SerialPacket tx;
    std::int32_t maxPayload = 0;
};

extern TQLinkSerial g_serialLink;
