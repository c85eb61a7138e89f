#pragma once

#include <cassert>
#include <cstdint>
#include <cstdio>

// What the program knows of one chip's registers. Each register set is one stateless global
// object that nobody deletes through this interface, so the destructor is protected and not
// virtual. The defaults below only serve a register set that forgot to replace one.
class TQRegister {
public:
    TQRegister() = default;
    TQRegister(const TQRegister&) = delete;
    TQRegister& operator=(const TQRegister&) = delete;

    // clang-format off
    // Export, dump, recognise the chip, name the bank register: debug reports name lines 18 to 21.
    virtual void WriteAllRegister(std::FILE*) { assert(0); }
    virtual void SaveToTxt(std::FILE*) { assert(0); }
    virtual bool CheckChipId() { assert(0); return false; }
    virtual std::uint8_t GetBankReg() { assert(0); return 0xFF; }
    // clang-format on

protected:
    ~TQRegister() = default;
};
