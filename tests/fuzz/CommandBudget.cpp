#include "CommandBudget.h"

#include "platform/TextScan.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <optional>
#include <strings.h>
#include <vector>

namespace {

constexpr std::uint64_t kMaxCount = 0x10;
constexpr std::uint64_t kMaxDelayMs = 1;
constexpr std::uint64_t kHuge = 0xFFFFFFFF;
// A batch runner reads longer lines in pieces, and a piece may start inside any word.
constexpr std::size_t kPieceLength = 250;

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The interpreter's reading of one number at p, as its largest possible value: a piece may cut
// the digits short, never make them more.
std::optional<std::uint64_t> ScanNumber(std::string_view line, std::size_t& p)
{
    std::size_t s = p;
    const auto at = [&](std::size_t i) { return i < line.size() ? line[i] : '\0'; };
    while (s < line.size() && IsBlank(line[s]))
        ++s;
    bool negative = false;
    if (at(s) == '+' || at(s) == '-')
        negative = line[s++] == '-';
    if (at(s) == '0' && (at(s + 1) == 'x' || at(s + 1) == 'X') && HexDigitValue(at(s + 2)) >= 0)
        s += 2;
    if (HexDigitValue(at(s)) < 0)
        return std::nullopt;
    std::uint64_t value = 0;
    for (int d; (d = HexDigitValue(at(s))) >= 0; ++s)
        value = value > kHuge ? value : value * 16 + static_cast<std::uint64_t>(d);
    p = s;
    if (negative && value != 0)
        return kHuge;
    return value;
}

bool EndsWith(std::string_view word, std::string_view keyword)
{
    return word.size() >= keyword.size() &&
           strncasecmp(word.data() + word.size() - keyword.size(), keyword.data(), keyword.size()) == 0;
}

struct Token {
    std::size_t begin;
    std::size_t end;
};

// The numbers after a word at end; position i holds number i + 1.
bool NumbersWithinBudget(std::string_view line, std::string_view word, std::size_t end)
{
    std::array<std::uint64_t, 5> nums{};
    for (std::uint64_t& n : nums) {
        const std::optional<std::uint64_t> value = ScanNumber(line, end);
        if (!value)
            break;
        n = *value;
    }
    if (EndsWith(word, "delay"))
        return nums[0] <= kMaxDelayMs;
    if (EndsWith(word, "ior") || EndsWith(word, "ior16"))
        return nums[1] <= kMaxCount;
    if (EndsWith(word, "i2cr") || EndsWith(word, "i2cr16"))
        return nums[2] <= kMaxCount && nums[3] <= kMaxCount;
    return true;
}

bool LineWithinBudget(std::string_view line)
{
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < line.size();) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const std::size_t begin = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > begin)
            tokens.push_back({begin, i});
    }
    const auto word = [&](std::size_t k) { return line.substr(tokens[k].begin, tokens[k].end - tokens[k].begin); };
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        // The first word of a line, the command after a label, and in a long line any word.
        const bool command = k == 0 || (k == 1 && word(0).back() == ':') || line.size() >= kPieceLength;
        if (command && !NumbersWithinBudget(line, word(k), tokens[k].end))
            return false;
    }
    return true;
}

} // namespace

bool WithinCommandBudget(std::string_view text)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (!LineWithinBudget(text.substr(start, end == std::string_view::npos ? end : end - start)))
            return false;
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
}
