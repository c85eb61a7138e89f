#pragma once

#include "tqRegs/TextReg.h"

#include <array>

// Every bit field of the TQ7790 the program knows, in the order the register-settings file lists
// them. Constant data: built by the compiler, nothing runs at start-up or exit.
extern const std::array<RegField, 1385> g_tq7790Fields;
