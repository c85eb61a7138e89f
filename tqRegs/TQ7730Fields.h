#pragma once

#include "tqRegs/TextReg.h"

#include <array>
#include <cstddef>

// The TQ7730 register map, in the order the register-settings dump prints it: rows 1 to 844.
// Every field is a single run of bits.
inline constexpr std::size_t kTQ7730FieldCount = 844;
extern const std::array<RegField, kTQ7730FieldCount> g_tq7730Fields;
