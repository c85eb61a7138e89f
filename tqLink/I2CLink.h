#pragma once

#include <cstdint>

using u8 = std::uint8_t;
using u16 = std::uint16_t;

// Transport codes of the link.
enum LinkTransport : u8 {
    LinkSerial = 0,
    LinkLpt = 1,
    LinkUsb = 2,
    LinkSim = 3,
};

// What a transfer returns: 0 for success, any other value says what failed.
enum LinkStatus : std::int32_t {
    LinkOk = 0,
    // Parallel port: a byte was not acknowledged.
    LinkNoAck = 1,
    // A masked write whose read failed: nothing was written.
    LinkKeepReadFailed = 1,
    // USB: the adapter library failed the transfer.
    LinkUsbFailed = 8,
    // Serial: the port would not open.
    LinkPortFailed = 9,
    // Serial: the reply.
    LinkTimeOut = 256,
    LinkNoSync = 257,
    LinkBadChecksum = 258,
    LinkBadLength = 259,
    LinkNAck = 260,
    LinkAdapterError = 261,
    LinkUnknownReply = 262,
    // The reply carried fewer data bytes than the command asked for.
    LinkShortReply = 263,
    // Not connected, or a transfer the adapter cannot make; nothing was sent.
    LinkUnavailable = 264,
};

// Connect's result when the adapter answers; any other result means not connected.
constexpr std::int32_t LinkConnected = 1;

// The bus facade: a switch on the transport code. Every status is 0 for success.
class I2CLink {
public:
    I2CLink() = default;
    ~I2CLink() = default;
    I2CLink(const I2CLink&) = delete;
    I2CLink& operator=(const I2CLink&) = delete;

    u8 GetDeviceAddress() const { return deviceAddress; }
    void SetDeviceAddress(u8 address) { deviceAddress = address; }
    u8 GetTransport() const { return transport; }
    void SetTransport(u8 code) { transport = code; }
    std::int32_t GetSpare() const { return spare; }
    void SetSpare(std::int32_t value) { spare = value; }

    void SetUsbStreamMode(u8 mode);
    void SetLptDelays(u16 halfBit, u16 gap);
    void SetLptWiring(u8 wiring);
    // LinkConnected when the adapter answers; 0, or the serial link's status, when not.
    std::int32_t Connect();

    std::int32_t Read8(u8 slave, u8 sub, u8* out);
    std::int32_t ReadBlock8(u8 slave, u8 sub, u16 count, u8* out);
    std::int32_t Write8(u8 slave, u8 sub, u8 data);
    std::int32_t Read16(u8 slave, u16 sub, u8* out);
    std::int32_t ReadBlock16(u8 slave, u16 sub, u16 count, u8* out);
    std::int32_t Write16(u8 slave, u16 sub, u8 data);
    std::int32_t ReadReg8(u8 sub, u8* out);
    std::int32_t ReadRegBlock8(u8 sub, u16 count, u8* out);
    std::int32_t WriteReg8(u8 sub, u8 data);
    std::int32_t ReadReg16(u16 sub, u8* out);
    std::int32_t ReadRegBlock16(u16 sub, u16 count, u8* out);
    std::int32_t WriteReg16(u16 sub, u8 data);

    std::int32_t AuxRead1(u8 byte1, u8* out);
    std::int32_t AuxRead2(u8 byte1, u8 byte2, u8* out);
    std::int32_t AuxWrite2(u8 byte1, u8 byte2);
    std::int32_t AuxWrite3(u8 byte1, u8 byte2, u8 byte3);

    // Read-modify-write: each bit set in keep keeps the register's old bit.
    std::int32_t Modify8(std::uint32_t slave, std::uint32_t sub, std::int32_t value, u8 keep);
    std::int32_t Modify16(std::uint32_t slave, std::uint32_t sub, std::int32_t value, u8 keep);
    std::int32_t ModifyReg8(u8 sub, u8 value, u8 keep);
    std::int32_t ModifyReg16(u16 sub, u8 value, u8 keep);

private:
    u8 deviceAddress = 0x1A;
    u8 transport = LinkUsb;
    std::int32_t spare = 0;
};

extern I2CLink g_link;
extern I2CLink* const g_pLink;
