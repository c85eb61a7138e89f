#pragma once

#include <cstdint>
#include <vector>

// An I2C slave with a memory behind a sub-address pointer, driven by the line events of the bus
// it sits on. A write sets the pointer from its first bytes (low byte first, as the link sends
// a 16-bit sub-address) and stores the rest; a read sends bytes from the pointer on. The pointer
// advances after every byte and wraps at the width of the sub-address.
class SimI2CSlave {
public:
    // address: the bus address byte with the read/write bit clear.
    SimI2CSlave(std::uint8_t address, int subAddressBytes);

    std::uint8_t& Memory(std::uint16_t sub) { return memory[sub]; }

    void OnStart();
    void OnStop();
    void OnSclRise(bool sda);
    void OnSclFall();
    bool HoldsSdaLow() const { return holdSdaLow; }

private:
    enum class Phase { Idle, Receive, Ack, Send, MasterAck };

    void ByteReceived();
    void StartSending();
    void DriveBit();
    void Advance();

    std::uint8_t address;
    int subAddressBytes;
    std::vector<std::uint8_t> memory;
    Phase phase = Phase::Idle;
    bool addressPhase = false;
    bool reading = false;
    int subBytesReceived = 0;
    std::uint16_t pointer = 0;
    std::uint8_t shift = 0;
    std::uint8_t outgoing = 0;
    int bits = 0;
    bool masterAcked = false;
    bool holdSdaLow = false;
};
