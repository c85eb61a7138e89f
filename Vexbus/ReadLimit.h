#pragma once

#include <cstdint>
#include <string>

// Range reads and the counted and block reads of the command language stop after this many
// registers (a whole 16-bit sub-address space): an end or a count like ffffffff would otherwise
// log until memory runs out, with the window frozen all along.
constexpr std::uint32_t kMaxReads = 0x10000;

// The line that tells a read was cut, with the sub-addresses of its first and last register as
// the read lines print them: two digits at least, four for 16-bit sub-addresses.
std::string RangeCutLine(std::uint32_t first, std::uint32_t last, bool wide);
