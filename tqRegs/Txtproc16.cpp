#include "tqRegs/Txtproc16.h"

#include "platform/TextScan.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/Format.h"
#include "tqRegs/RegsHost.h"

#include <algorithm>

constinit Txtproc16 g_txtproc16;

using namespace SettingsText;

namespace {

constexpr int kAddressDigits = 4;

} // namespace

void Txtproc16::Load(std::FILE* file)
{
    Reset();
    LoadLines(
        file, [&] { return ParseLine(file); }, [&] { StoreField(); }, [&] { WriteOut(); });
}

void Txtproc16::Reset()
{
    data.fill(0);
    keep.fill(0xFF);
}

int Txtproc16::ParseLine(std::FILE* file)
{
    std::array<std::int64_t, 2> numbers{-1, -1};
    address = -1;
    start_bit = 0xFF;
    const LineCode code =
        ReadFieldLine(file, line, line_length, numbers, [this](std::string_view token) { return ScanAddress(token); });
    value = numbers[0];
    width = numbers[1];
    return code;
}

bool Txtproc16::ScanAddress(std::string_view token)
{
    std::size_t i = 0;
    std::int32_t scanned = 0;
    for (; i < kAddressDigits && i < token.size() && HexDigitValue(token[i]) >= 0; ++i)
        scanned = scanned * 16 + HexDigitValue(token[i]);
    // The character after the digits is a bracket in the files, but any will do.
    if (i == 0 || token.size() < i + 2 || token[i + 1] < '0' || token[i + 1] > '7')
        return false;
    address = scanned;
    start_bit = static_cast<std::uint8_t>(token[i + 1] - '0');
    return true;
}

void Txtproc16::StoreField()
{
    if (address < 0 || start_bit > 7)
        return;
    // The value is kept as 32 unsigned bits, so a field's bits from 32 on receive 0. The span of
    // width and start bit is kept to 8 bits, as a field record keeps its width.
    std::uint64_t bits = static_cast<std::uint32_t>(value);
    const auto span = static_cast<std::uint8_t>(width + start_bit);
    int remaining = span - start_bit;
    int lo = start_bit;
    for (std::int32_t a = address; remaining > 0 && a < kAddresses; ++a) {
        const int hi = std::min(7, lo + remaining - 1);
        const auto field =
            static_cast<std::uint8_t>(~KeepMask(static_cast<std::uint8_t>(lo), static_cast<std::uint8_t>(hi)));
        keep[a] &= static_cast<std::uint8_t>(~field);
        data[a] = static_cast<std::uint8_t>((data[a] & ~field) | ((bits << lo) & field));
        bits >>= hi - lo + 1;
        remaining -= hi - lo + 1;
        lo = 0;
    }
}

void Txtproc16::WriteOut()
{
    for (int a = 0; a < kAddresses; ++a) {
        const std::uint8_t k = keep[a];
        if (k == 0xFF)
            continue;
        const auto reg = static_cast<std::uint16_t>(a);
        if (k == 0) {
            const bool failed = g_pLink->WriteReg16(reg, data[a]) != 0;
            RegsLog(Format("write register addr: %04x, value = %02x", a, data[a]) + FailedSuffix(failed));
        } else {
            const bool failed = g_pLink->ModifyReg16(reg, data[a], k) != 0;
            RegsLog(Format("write register addr: %04x, value = %02x, mask = %02x", a, data[a],
                           static_cast<std::uint8_t>(~k)) +
                    FailedSuffix(failed));
        }
        keep[a] = 0xFF;
    }
}

bool Txtproc16::IsFirstSeg(std::string_view text)
{
    return StartsWithWord(text, "firstseg");
}

bool Txtproc16::IsNextSeg(std::string_view text)
{
    return StartsWithWord(text, "nextseg");
}

std::uint32_t Txtproc16::AddHexDigit(std::uint32_t acc, char c, bool hex)
{
    return SettingsText::AddHexDigit(acc, c, hex);
}

int Txtproc16::FileType(std::string_view name)
{
    return SettingsText::FileType(name);
}
