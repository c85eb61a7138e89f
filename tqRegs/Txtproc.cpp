#include "tqRegs/Txtproc.h"

#include "platform/TextScan.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/Format.h"
#include "tqRegs/RegsHost.h"
#include "tqRegs/tqregister.h"

#include <algorithm>

constinit Txtproc g_txtproc;

using namespace SettingsText;

namespace {

// The cell of a bit address in an image of the given number of sub-addresses.
bool Cell(std::int64_t address, int subAddresses, int& sub, int& bit)
{
    if (address < 0 || address / 8 >= subAddresses)
        return false;
    sub = static_cast<int>(address / 8);
    bit = static_cast<int>(address % 8);
    return true;
}

// Calls visit(bit address, bit number in the value) for each bit of a field that has a cell below
// cells, least significant first: one run of length bits when end is -1, else start..end and
// then start2..end2. The bits beyond the cells are only counted, so that a length as long as
// ffffffff costs no more than the cells it reaches.
template <typename Visit>
void ForEachFieldBit(std::int64_t length, std::int64_t start, std::int64_t end, std::int64_t start2, std::int64_t end2,
                     std::int64_t cells, Visit visit)
{
    std::int64_t index = 0;
    const auto run = [&](std::int64_t from, std::int64_t to) {
        if (to < from)
            return;
        for (std::int64_t a = std::max<std::int64_t>(from, 0); a <= std::min(to, cells - 1); ++a)
            visit(a, index + (a - from));
        index += to - from + 1;
    };
    if (end == -1) {
        run(start, start + length - 1);
    } else {
        run(start, end);
        run(start2, end2);
    }
}

template <typename Visit>
void ForEachFieldBit(const RegField& field, const RegisterImage& image, Visit visit)
{
    ForEachFieldBit(field.length, field.start_addr, field.end_addr, field.start2_addr, field.end2_addr,
                    static_cast<std::int64_t>(image.size()) * 8, visit);
}

// Bit index of the value, kept as 32 unsigned bits: a field's bits from 32 on receive 0.
bool ValueBit(std::uint32_t value, std::int64_t index)
{
    return index < kValueBits && ((value >> index) & 1u) != 0;
}

// Two hexadecimal digits of sub-address and an octal digit of bit number at offset.
bool ScanGroup(std::string_view token, std::size_t offset, std::int32_t& bitAddress)
{
    if (token.size() < offset + 3)
        return false;
    const int high = HexDigitValue(token[offset]);
    const int low = HexDigitValue(token[offset + 1]);
    const char bit = token[offset + 2];
    if (high < 0 || low < 0 || bit < '0' || bit > '7')
        return false;
    bitAddress = (high * 16 + low) * 8 + (bit - '0');
    return true;
}

std::uint8_t Merge(std::uint8_t device, std::uint8_t loaded, std::uint8_t touched)
{
    return static_cast<std::uint8_t>((device & ~touched) | (loaded & touched));
}

} // namespace

void Txtproc::Load(std::FILE* file)
{
    Reset();
    LoadLines(
        file, [&] { return ParseLine(file); }, [&] { StoreField(); }, [&] { WriteOut(g_pLink->GetDeviceAddress()); });
}

void Txtproc::Reset()
{
    for (auto& row : data)
        row.fill(0);
    for (auto& row : mask)
        row.fill(0);
    dirty.fill(false);
}

int Txtproc::ParseLine(std::FILE* file)
{
    std::array<std::int64_t, 3> numbers{-1, -1, -1};
    start_addr = end_addr = start2_addr = end2_addr = -1;
    const LineCode code =
        ReadFieldLine(file, line, line_length, numbers, [this](std::string_view token) { return ScanAddress(token); });
    value = numbers[0];
    length = numbers[1];
    bank = numbers[2];
    return code;
}

bool Txtproc::ScanAddress(std::string_view token)
{
    if (token.size() > 3 && token[3] == ':') {
        std::int32_t start = 0;
        std::int32_t end = 0;
        std::int32_t start2 = 0;
        std::int32_t end2 = 0;
        if (!ScanGroup(token, 0, start) || !ScanGroup(token, 4, end) || !ScanGroup(token, 8, start2) ||
            !ScanGroup(token, 12, end2))
            return false;
        start_addr = start;
        end_addr = end;
        start2_addr = start2;
        end2_addr = end2;
        return true;
    }
    return ScanGroup(token, 0, start_addr);
}

void Txtproc::StoreField()
{
    if (start_addr < 0)
        return;
    const auto bits = static_cast<std::uint32_t>(value);
    ForEachFieldBit(length, start_addr, end_addr, start2_addr, end2_addr, std::int64_t{kSubAddresses} * 8,
                    [&](std::int64_t a, std::int64_t index) {
                        SetBit(static_cast<std::int32_t>(a), ValueBit(bits, index));
                    });
}

void Txtproc::SetBit(std::int32_t address, bool on)
{
    int sub = 0;
    int bit = 0;
    if (bank < 0 || bank >= kBanks || !Cell(address, kSubAddresses, sub, bit))
        return;
    const auto b = static_cast<std::size_t>(bank);
    const auto mark = static_cast<std::uint8_t>(1u << bit);
    dirty[b] = true;
    data[b][sub] = static_cast<std::uint8_t>(on ? data[b][sub] | mark : data[b][sub] & ~mark);
    mask[b][sub] |= mark;
}

void Txtproc::WriteOut(std::uint8_t slave)
{
    for (int b = 0; b < kBanks; ++b) {
        if (dirty[b])
            WriteBank(slave, b);
    }
}

void Txtproc::WriteBank(std::uint8_t slave, int b)
{
    auto& touched = mask[b];
    if (TQRegister* current = CurrentRegister()) {
        const std::uint8_t bankReg = current->GetBankReg();
        const bool selected = g_pLink->Write8(slave, bankReg, static_cast<std::uint8_t>(b)) == 0;
        RegsLog(Format("bank : i2cw id = 0x%02x, addr:0x%02x, bank = %d", slave, bankReg, b) + FailedSuffix(!selected));
        // Without the bank selected, the writes would land in another bank.
        for (int s = 0; selected && s < kSubAddresses; ++s) {
            const std::uint8_t m = touched[s];
            const auto sub = static_cast<std::uint8_t>(s);
            if (m == 0xFF) {
                const bool failed = g_pLink->Write8(slave, sub, data[b][s]) != 0;
                RegsLog(Format("i2cw %02x %02x %02x", slave, sub, data[b][s]) + FailedSuffix(failed));
            } else if (m != 0) {
                std::uint8_t device = 0;
                const bool read = g_pLink->Read8(slave, sub, &device) == 0;
                const std::uint8_t merged = Merge(read ? device : 0, data[b][s], m);
                const bool failed = !read || g_pLink->Write8(slave, sub, merged) != 0;
                RegsLog(Format("i2cw %02x %02x %02x        # mask: %02x", slave, sub, merged,
                               static_cast<std::uint8_t>(~m)) +
                        FailedSuffix(failed));
            }
        }
    } else {
        RegsLog(Format("bank = %d not written: no chip detected", b));
    }
    touched.fill(0);
    dirty[b] = false;
}

bool Txtproc::IsFirstSeg(std::string_view text)
{
    return StartsWithWord(text, "firstseg");
}

bool Txtproc::IsNextSeg(std::string_view text)
{
    return StartsWithWord(text, "nextseg");
}

std::uint32_t Txtproc::AddHexDigit(std::uint32_t acc, char c, bool hex)
{
    return SettingsText::AddHexDigit(acc, c, hex);
}

int Txtproc::FileType(std::string_view name)
{
    return SettingsText::FileType(name);
}

void Txtproc::SetBufferField(std::int32_t value, const RegField& field, RegisterImage& image, RegisterImage& mask)
{
    const auto bits = static_cast<std::uint32_t>(value);
    ForEachFieldBit(field, image, [&](std::int64_t a, std::int64_t index) {
        SetBufferBit(static_cast<std::int32_t>(a), ValueBit(bits, index), image, mask);
    });
}

void Txtproc::SetBufferBit(std::int32_t address, bool on, RegisterImage& image, RegisterImage& mask)
{
    int sub = 0;
    int bit = 0;
    if (!Cell(address, static_cast<int>(image.size()), sub, bit))
        return;
    const auto mark = static_cast<std::uint8_t>(1u << bit);
    image[sub] = static_cast<std::uint8_t>(on ? image[sub] | mark : image[sub] & ~mark);
    mask[sub] |= mark;
}

int Txtproc::GetBufferBit(std::int32_t address, const RegisterImage& image)
{
    int sub = 0;
    int bit = 0;
    if (!Cell(address, static_cast<int>(image.size()), sub, bit))
        return 0;
    return (image[sub] >> bit) & 1;
}

std::int32_t Txtproc::GetBufferField(const RegField& field, const RegisterImage& image)
{
    std::uint32_t bits = 0;
    ForEachFieldBit(field, image, [&](std::int64_t a, std::int64_t index) {
        if (index < kValueBits && GetBufferBit(static_cast<std::int32_t>(a), image))
            bits |= 1u << index;
    });
    return static_cast<std::int32_t>(bits);
}

void Txtproc::WriteBuffer(std::uint8_t slave, RegisterImage& image, RegisterImage& mask)
{
    for (std::size_t s = 0; s < image.size(); ++s) {
        const std::uint8_t m = mask[s];
        const auto sub = static_cast<std::uint8_t>(s);
        if (m == 0xFF) {
            g_pLink->Write8(slave, sub, image[s]);
        } else if (m != 0) {
            std::uint8_t device = 0;
            if (g_pLink->Read8(slave, sub, &device) == 0)
                g_pLink->Write8(slave, sub, Merge(device, image[s], m));
        }
        mask[s] = 0;
    }
}
