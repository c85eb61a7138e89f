#pragma once

#include "tqRegs/TextReg.h"
#include "tqRegs/tqregister.h"

#include <cstdint>
#include <cstdio>

// The register set of the TQ7730: 8-bit sub-addresses in banks, one bank visible at a time
// through the bank-select register 0xF4. Field and identification accesses select their bank
// and leave it selected; only the export puts the previous bank back.
class TQ7730Register : public TQRegister {
public:
    static constexpr std::uint8_t kBankRegister = 0xF4;

    void WriteAllRegister(std::FILE* file) override;
    void SaveToTxt(std::FILE* file) override;
    bool CheckChipId() override;
    std::uint8_t GetBankReg() override;

    // Bit k of a value lies at the field's k-th bit address, the first run before the second.
    std::int32_t ReadField(RegField field);
    void WriteField(std::int32_t value, RegField field);
    // Bit addresses are sub-address * 8 + bit number; these act in the bank that is selected.
    bool ReadBit(std::uint8_t slave, std::int32_t bitAddress);
    void WriteBit(std::uint8_t slave, std::int32_t bitAddress, bool on);
    // One line of the banked register-settings file, with the value read from the chip.
    void PrintField(RegField field, std::FILE* file);
};

extern TQ7730Register g_tq7730Register;
