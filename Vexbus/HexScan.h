#pragma once

#include <cstdint>
#include <string>

// Reads a hexadecimal number as the C library's "%X" does: leading white space, an optional
// sign and "0x" prefix, digits up to the first other character. No number reads as 0, so an
// empty or non-numeric field never yields an undefined value.
std::uint32_t ScanHex(const std::string& text);
