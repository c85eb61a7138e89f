#pragma once

#include "tqRegs/FieldName.h"

#include <cstdint>
#include <string_view>

// One named bit field of a chip with 16-bit register addresses: width bits from bit start_bit
// of the byte at address, continuing into the following addresses, least significant first.
struct RegField16 {
    template <std::size_t N>
    constexpr RegField16(const char (&name_)[N], int width_, int address_, int start_bit_, std::string_view comment_)
        : name(name_), comment(comment_), width(static_cast<std::uint8_t>(width_)),
          address(static_cast<std::uint16_t>(address_)), start_bit(static_cast<std::uint8_t>(start_bit_))
    {
    }

    FieldName name;
    std::string_view comment;
    std::uint8_t width;
    std::uint16_t address;
    std::uint8_t start_bit;
};
