#pragma once

#include "tqRegs/TextReg16.h"

#include <array>
#include <cstddef>

inline constexpr std::size_t kTq4120FieldCount = 1315;

// The TQ4120 field table in its fixed order; the last two records, the PLLV trigger and the
// PLL2X trigger's reserved bits, appear only in the dump's closing segments.
extern const std::array<RegField16, kTq4120FieldCount> g_tq4120Fields;
