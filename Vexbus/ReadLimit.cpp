#include "Vexbus/ReadLimit.h"

#include "tqRegs/Format.h"

std::string RangeCutLine(std::uint32_t first, std::uint32_t last, bool wide)
{
    return Format(wide ? "*** range cut to 0x10000 registers: %04x to %04x ***"
                       : "*** range cut to 0x10000 registers: %02x to %02x ***",
                  first, last);
}
