#pragma once

#include "tqRegs/TextReg.h"

#include <cstdint>

// Bit and field access of a chip whose 8-bit sub-addresses lie in banks chosen through one
// bank-select register; fields go to the link's device address, asked afresh for each transfer.
// Bit addresses are sub-address * 8 + bit number. The link leaves a byte undefined when its read
// fails: such a byte counts as 0, and a write that keeps other bits of it writes nothing.
namespace BankedAccess {

std::uint8_t ReadOrZero(std::uint8_t slave, std::uint8_t sub);
void SelectBank(std::uint8_t bankRegister, std::uint8_t bank);

bool ReadBit(std::uint8_t slave, std::int32_t bitAddress);
void WriteBit(std::uint8_t slave, std::int32_t bitAddress, bool on);

// The field's bank selected once, then one read per bit, bit 0 first; bit k of the field is bit
// k of the value, bits from 32 on have no place in it.
std::int32_t ReadField(std::uint8_t bankRegister, const RegField& field);
// The field's bank selected once; a field of one run then goes out byte by byte (a byte it fills
// written as it is, a byte it shares read and merged), a split field bit by bit.
void WriteField(std::uint8_t bankRegister, std::int32_t value, const RegField& field);

} // namespace BankedAccess
