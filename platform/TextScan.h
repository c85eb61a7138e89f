#pragma once

#include <cstdint>
#include <string>

// Reading typed and file text: hexadecimal numbers and words, for the edits, the command line,
// the batch runner and the register-settings loaders alike.

// The value of a hexadecimal digit, or -1.
int HexDigitValue(char c);

// The one reader of hexadecimal input, for the edits and the command line. It reads a
// number as the C library's "%X" and "%lx" conversions do: leading white space, an optional sign
// and "0x" prefix, then digits up to the first other character; a value beyond 32 bits saturates,
// as the 32-bit strtoul behind them does. True with p past the number; false, with p and value
// untouched, where no number can be read.
bool ScanHexNumber(const char*& p, std::uint32_t& value);

// A whole field: no number reads as 0, so an empty or non-numeric field never yields an undefined
// value.
std::uint32_t ScanHex(const std::string& text);

// The word at or after p, up to the next white space as isspace() sees it; p is left behind it.
// Empty when the text holds no more word.
std::string NextWord(const char*& p);
