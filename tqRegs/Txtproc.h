#pragma once

#include "tqRegs/SettingsText.h"
#include "tqRegs/TextReg.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

// A register image of a caller's own: one byte per 8-bit sub-address.
using RegisterImage = std::array<std::uint8_t, 256>;

// Loads a text register-settings file of a chip whose 8-bit sub-addresses lie in banks, and
// writes it to the device at the link's own address segment by segment, logging every write.
// Each field line gives a value, a length, a bank and a bit address (sub-address * 8 + bit);
// a "#NEXTSEG" comment and the end of the file write out what was collected since the last
// write-out, each bank selected first through the current register set's bank register.
class Txtproc {
public:
    static constexpr int kBanks = 256;
    static constexpr int kSubAddresses = 0xF0;

    Txtproc() = default;
    virtual ~Txtproc() = default;
    Txtproc(const Txtproc&) = delete;
    Txtproc& operator=(const Txtproc&) = delete;

    void Load(std::FILE* file);
    void Reset();
    int ParseLine(std::FILE* file);
    void StoreField();
    void SetBit(std::int32_t address, bool on);
    void WriteOut(std::uint8_t slave);

    static bool IsFirstSeg(std::string_view text);
    static bool IsNextSeg(std::string_view text);
    static std::uint32_t AddHexDigit(std::uint32_t acc, char c, bool hex);
    static int FileType(std::string_view name);

    // The same bit handling on an image and a touched mask that the caller owns; bits outside
    // the 256 sub-addresses are ignored.
    static void SetBufferField(std::int32_t value, const RegField& field, RegisterImage& image, RegisterImage& mask);
    static void SetBufferBit(std::int32_t address, bool on, RegisterImage& image, RegisterImage& mask);
    static int GetBufferBit(std::int32_t address, const RegisterImage& image);
    static std::int32_t GetBufferField(const RegField& field, const RegisterImage& image);
    static void WriteBuffer(std::uint8_t slave, RegisterImage& image, RegisterImage& mask);

private:
    bool ScanAddress(std::string_view token);
    void WriteBank(std::uint8_t slave, int bank);

    // The current field line; -1 = not read.
    std::int64_t bank = -1;
    std::int64_t value = -1;
    std::int64_t length = -1;
    std::int32_t start_addr = -1;
    std::int32_t end_addr = -1;
    std::int32_t start2_addr = -1;
    std::int32_t end2_addr = -1;
    SettingsText::LineBuffer line{};
    std::size_t line_length = 0;

    // Per bank: the values collected, and which bits received one since the last write-out.
    std::array<std::array<std::uint8_t, kSubAddresses>, kBanks> data{};
    std::array<std::array<std::uint8_t, kSubAddresses>, kBanks> mask{};
    std::array<bool, kBanks> dirty{};
};

extern Txtproc g_txtproc;
