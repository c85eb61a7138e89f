#include "SimI2CSlave.h"

SimI2CSlave::SimI2CSlave(std::uint8_t address, int subAddressBytes)
    : address(address), subAddressBytes(subAddressBytes), memory(0x10000)
{
}

void SimI2CSlave::OnStart()
{
    phase = Phase::Receive;
    addressPhase = true;
    bits = 0;
    shift = 0;
    holdSdaLow = false;
}

void SimI2CSlave::OnStop()
{
    phase = Phase::Idle;
    holdSdaLow = false;
}

void SimI2CSlave::OnSclRise(bool sda)
{
    switch (phase) {
    case Phase::Receive:
        shift = static_cast<std::uint8_t>((shift << 1) | (sda ? 1 : 0));
        ++bits;
        break;
    case Phase::Send: ++bits; break;
    case Phase::MasterAck: masterAcked = !sda; break;
    case Phase::Idle:
    case Phase::Ack: break;
    }
}

// The slave changes SDA only while SCL is low, after each falling edge.
void SimI2CSlave::OnSclFall()
{
    switch (phase) {
    case Phase::Receive:
        if (bits == 8)
            ByteReceived();
        break;
    case Phase::Ack:
        holdSdaLow = false;
        if (reading) {
            StartSending();
        } else {
            phase = Phase::Receive;
            bits = 0;
            shift = 0;
        }
        break;
    case Phase::Send:
        if (bits < 8) {
            DriveBit();
        } else {
            holdSdaLow = false;
            phase = Phase::MasterAck;
        }
        break;
    case Phase::MasterAck:
        if (masterAcked)
            StartSending();
        else
            phase = Phase::Idle;
        break;
    case Phase::Idle: break;
    }
}

void SimI2CSlave::ByteReceived()
{
    if (addressPhase) {
        if ((shift & 0xFE) != address) {
            phase = Phase::Idle;
            return;
        }
        addressPhase = false;
        reading = (shift & 0x01) != 0;
        subBytesReceived = 0;
    } else if (subBytesReceived < subAddressBytes) {
        pointer = subBytesReceived == 0 ? shift : static_cast<std::uint16_t>(pointer | (shift << 8));
        ++subBytesReceived;
    } else {
        memory[pointer] = shift;
        Advance();
    }
    phase = Phase::Ack;
    holdSdaLow = true;
}

void SimI2CSlave::StartSending()
{
    outgoing = memory[pointer];
    Advance();
    phase = Phase::Send;
    bits = 0;
    DriveBit();
}

void SimI2CSlave::DriveBit()
{
    holdSdaLow = ((outgoing >> (7 - bits)) & 1) == 0;
}

void SimI2CSlave::Advance()
{
    const unsigned mask = subAddressBytes == 1 ? 0xFF : 0xFFFF;
    pointer = static_cast<std::uint16_t>((pointer + 1) & mask);
}
