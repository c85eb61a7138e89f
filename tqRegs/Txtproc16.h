#pragma once

#include "tqRegs/SettingsText.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

// Loads a text register-settings file of a chip with 16-bit register addresses and writes it
// to the device at the link's own address segment by segment, logging every write. Each field
// line gives a value, a width and the address token "AAAA[b]" of the field's bit 0; a
// "#NEXTSEG" comment and the end of the file write out what was collected since the last one.
class Txtproc16 {
public:
    static constexpr int kAddresses = 0x800;

    constexpr Txtproc16() { keep.fill(0xFF); }
    virtual ~Txtproc16() = default;
    Txtproc16(const Txtproc16&) = delete;
    Txtproc16& operator=(const Txtproc16&) = delete;

    void Load(std::FILE* file);
    void Reset();
    int ParseLine(std::FILE* file);
    void StoreField();
    void WriteOut();

    // The byte with bits lo to hi clear and all others set; 0xFF when lo is above hi.
    static constexpr std::uint8_t KeepMask(std::uint8_t lo, std::uint8_t hi)
    {
        if (hi > 7)
            hi = 7;
        if (lo > hi)
            return 0xFF;
        return static_cast<std::uint8_t>(~((0xFF << lo) & (0xFF >> (7 - hi))));
    }

    static bool IsFirstSeg(std::string_view text);
    static bool IsNextSeg(std::string_view text);
    static std::uint32_t AddHexDigit(std::uint32_t acc, char c, bool hex);
    static int FileType(std::string_view name);

private:
    bool ScanAddress(std::string_view token);

    // The current field line; -1 = not read.
    std::int64_t value = -1;
    std::int64_t width = -1;
    std::int32_t address = -1;
    std::uint8_t start_bit = 0xFF;
    SettingsText::LineBuffer line{};
    std::size_t line_length = 0;

    // Per register address: the value collected, and the keep mask whose set bits have not
    // been given a value since the last write-out (0xFF: untouched).
    std::array<std::uint8_t, kAddresses> data{};
    std::array<std::uint8_t, kAddresses> keep{};
};

extern Txtproc16 g_txtproc16;
