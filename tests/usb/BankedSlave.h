#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The I2C slave on the emulated adapter's bus, at address byte 0x1A: 64 banked pages behind 8-bit
// sub-addresses (0xF0 and up all reach the page byte) and a flat memory behind 16-bit ones.
// The bus does not say how wide a sub-address is, so the bytes written after the address are
// read by their number once the slave knows what follows them: one byte sets an 8-bit
// sub-address; before a read two bytes are a 16-bit one; before a stop two bytes are an 8-bit
// sub-address and its data and three a 16-bit sub-address and its data; any other number is an
// 8-bit sub-address and its data bytes. Reads and writes step the sub-address on.
class BankedSlave {
public:
    static constexpr std::uint8_t kAddress = 0x1A;
    static constexpr int kPages = 64;
    static constexpr int kFlatSize = 4096;
    static constexpr std::uint8_t kPageRegister = 0xF0;

    BankedSlave();

    bool Answers(std::uint8_t addressByte) const { return (addressByte & 0xFE) == kAddress; }
    // Addressed after a start or repeated start; read when the master reads next.
    void Addressed(bool read);
    void Write(std::uint8_t byte);
    std::uint8_t Read();
    void Stop();

    std::uint8_t& Paged(int bank, std::uint8_t sub) { return paged.at(static_cast<std::size_t>(bank)).at(sub); }
    std::uint8_t& Flat(std::uint16_t sub) { return flat.at(sub); }
    std::uint8_t Page() const { return page; }

private:
    // Outside the model: reads give 0, writes are dropped.
    std::uint8_t* Cell8(std::uint8_t sub);
    std::uint8_t* Cell16(std::uint16_t sub);
    void Settle(bool readFollows);
    void Store(std::uint8_t value);

    std::array<std::array<std::uint8_t, 256>, kPages> paged{};
    std::array<std::uint8_t, kFlatSize> flat{};
    std::uint8_t page = 0;
    bool wide = false;
    std::uint16_t pointer = 0;
    std::vector<std::uint8_t> pending;
};
