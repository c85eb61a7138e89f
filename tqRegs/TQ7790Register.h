#pragma once

#include "tqRegs/TextReg.h"
#include "tqRegs/tqregister.h"

#include <cstdint>
#include <cstdio>

// The register set of the TQ7790: 8-bit sub-addresses in banks 0 to 6, chosen through the
// bank-select register 0xF0. Every transfer goes to the link's own device address, asked afresh
// each time. Field and bit operations leave the bank they selected; a failed read counts as 0,
// and a byte whose read failed is never written back.
class TQ7790Register : public TQRegister {
public:
    static constexpr std::uint8_t kBankRegister = 0xF0;

    void WriteAllRegister(std::FILE* file) override;
    void SaveToTxt(std::FILE* file) override;
    bool CheckChipId() override;
    std::uint8_t GetBankReg() override;

    // Field values hold bit k of the field in bit k; bit 31 is the sign of a 32-bit field.
    std::int32_t ReadField(RegField field);
    void WriteField(std::int32_t value, RegField field);
    // Bit addresses are sub-address * 8 + bit number; no bank is selected.
    bool ReadBit(std::uint8_t slave, std::int32_t bitAddress);
    void WriteBit(std::uint8_t slave, std::int32_t bitAddress, bool on);
    // One line of the register-settings file, with the value read from the chip.
    void PrintField(RegField field, std::FILE* file);
};

extern TQ7790Register g_tq7790Register;

// Writes an empty line, the title, the bank selection and one "i2crw" line per sub-address from
// first to last with the byte read there; returns the number of register lines, last + 1 - first.
std::int32_t WriteRegRange(std::FILE* file, int bank, int first, int last, const char* title);
