#pragma once

#include "tqRegs/FieldName.h"

#include <cstdint>
#include <string_view>

// One named bit field of a chip with banked 8-bit sub-addresses. Bit addresses are
// sub-address * 8 + bit number. A field of one run has end_addr, start2_addr and end2_addr -1;
// a split field runs start_addr..end_addr, then start2_addr..end2_addr.
struct RegField {
    template <std::size_t N>
    constexpr RegField(const char (&name_)[N], int length_, int bank_, int start, std::string_view comment_)
        : RegField(name_, length_, bank_, start, -1, -1, -1, comment_)
    {
    }

    template <std::size_t N>
    constexpr RegField(const char (&name_)[N], int length_, int bank_, int start, int end, int start2, int end2,
                       std::string_view comment_)
        : name(name_), comment(comment_), length(static_cast<std::uint8_t>(length_)),
          bank(static_cast<std::uint8_t>(bank_)), start_addr(start), start2_addr(start2), end_addr(end), end2_addr(end2)
    {
    }

    FieldName name;
    std::string_view comment;
    std::uint8_t length;
    std::uint8_t bank;
    std::int32_t start_addr;
    std::int32_t start2_addr;
    std::int32_t end_addr;
    std::int32_t end2_addr;
};
