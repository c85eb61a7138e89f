#include "platform/TextScan.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

bool IsWordBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

} // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ScanHexNumber(const char*& p, std::uint32_t& value)
{
    const char* s = p;
    while (std::isspace(static_cast<unsigned char>(*s)))
        ++s;
    bool negative = false;
    if (*s == '+' || *s == '-')
        negative = *s++ == '-';
    // "0x" with no digit after it is the number 0 followed by an "x".
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X') && HexDigitValue(s[2]) >= 0)
        s += 2;
    if (HexDigitValue(*s) < 0)
        return false;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t v = 0;
    for (int d; (d = HexDigitValue(*s)) >= 0; ++s)
        v = std::min(v * 16 + static_cast<std::uint64_t>(d), kMax + 1);
    if (v > kMax)
        value = static_cast<std::uint32_t>(kMax);
    else
        value = negative ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v);
    p = s;
    return true;
}

std::uint32_t ScanHex(const std::string& text)
{
    const char* p = text.c_str();
    std::uint32_t value = 0;
    ScanHexNumber(p, value);
    return value;
}

std::string NextWord(const char*& p)
{
    while (IsWordBlank(*p))
        ++p;
    const char* start = p;
    while (*p && !IsWordBlank(*p))
        ++p;
    return std::string(start, p);
}
