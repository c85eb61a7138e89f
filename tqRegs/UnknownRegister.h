#pragma once

#include "tqRegs/tqregister.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

// The register set of a device whose register map is not known: any device that acknowledges
// a read is taken for one, there is no bank register, and the export covers all 256 8-bit
// sub-addresses.
class UnknownRegister : public TQRegister {
public:
    void WriteAllRegister(std::FILE* file) override;
    void SaveToTxt(std::FILE* file) override;
    bool CheckChipId() override;
    std::uint8_t GetBankReg() override;

    // Bit addresses are sub-address * 8 + bit number.
    bool ReadBit(std::uint8_t slave, std::int32_t bitAddress);
    void WriteBit(std::uint8_t slave, std::int32_t bitAddress, bool on);
};

extern UnknownRegister g_unknownRegister;

// Writes an empty line, the title, and one "i2crw" line per sub-address from first to last with
// the value read from the device; returns last + 1 - first.
std::int32_t DumpRange(std::FILE* file, std::int32_t first, std::int32_t last, std::string_view title);
