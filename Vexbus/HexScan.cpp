#include "HexScan.h"

#include <cctype>
#include <limits>

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::uint32_t ScanHex(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')
        && DigitValue(text[i + 2]) >= 0)
        i += 2;
    // Out of range saturates, as the 32-bit strtoul behind "%X" does.
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && DigitValue(text[i]) >= 0; ++i) {
        value = value * 16 + static_cast<std::uint64_t>(DigitValue(text[i]));
        if (value > kMax) {
            overflow = true;
            value = kMax;
        }
    }
    if (overflow)
        return static_cast<std::uint32_t>(kMax);
    const auto result = static_cast<std::uint32_t>(value);
    return negative ? 0u - result : result;
}
