#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// A field name as the register-settings files print it: padded with blanks to a fixed column
// width. Built at compile time, so a field table of constant records costs nothing at start-up.
class FieldName {
public:
    static constexpr std::size_t kWidth = 49;

    template <std::size_t N>
    constexpr FieldName(const char (&name)[N])
    {
        static_assert(N - 1 <= kWidth, "a field name fits its column");
        std::size_t i = 0;
        for (; i < N - 1 && name[i] != '\0'; ++i)
            text[i] = name[i];
        for (; i < kWidth; ++i)
            text[i] = ' ';
    }

    constexpr std::string_view View() const { return {text.data(), kWidth}; }

private:
    std::array<char, kWidth + 1> text{};
};
