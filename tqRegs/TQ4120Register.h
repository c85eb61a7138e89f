#pragma once

#include "tqRegs/TextReg16.h"
#include "tqRegs/tqregister.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

// The register set of the TQ4120, whose registers have 16-bit addresses and no banks. It has no
// export and no identification: every device counts as a TQ4120.
class TQ4120Register : public TQRegister {
public:
    void WriteAllRegister(std::FILE* file) override;
    void SaveToTxt(std::FILE* file) override;
    bool CheckChipId() override;
    std::uint8_t GetBankReg() override;

    // One read per register of the field; a field wider than 32 bits gives its low 32 bits.
    std::int32_t ReadField(RegField16 field);
    // One masked read-modify-write per register of the field; the value's bits above the
    // field's width are dropped.
    void WriteField(std::int32_t value, RegField16 field);
    // The field's line of the register-settings file, with its value read from the chip.
    void PrintField(RegField16 field, std::FILE* file);
};

extern TQ4120Register g_tq4120Register;

// Writes 75 blanks, then the text and a line end.
void PrintIndented(std::string_view text, std::FILE* file);
