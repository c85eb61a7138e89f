#include "tqRegs/SettingsText.h"

#include "platform/TextScan.h"

#include <cctype>

namespace SettingsText {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

enum class State { Start, Name, Number, Address, Marker, Rest };

} // namespace

LineRead ReadLine(std::FILE* file, LineBuffer& line, std::size_t& length)
{
    length = 0;
    line[0] = '\0';
    int c;
    while ((c = std::getc(file)) != EOF && c != '\n') {
        if (length == kLineCapacity) {
            if (c == '\r' && (c = std::getc(file)) == '\n')
                return LineRead::Line;
            while (c != EOF && c != '\n')
                c = std::getc(file);
            return c == EOF ? LineRead::OverlongAtEnd : LineRead::Overlong;
        }
        line[length++] = static_cast<char>(c);
        line[length] = '\0';
    }
    if (c == '\n') {
        if (length > 0 && line[length - 1] == '\r')
            line[--length] = '\0';
        return LineRead::Line;
    }
    return length > 0 ? LineRead::LastText : LineRead::Nothing;
}

std::uint32_t AddHexDigit(std::uint32_t acc, char c, bool hex)
{
    const int digit = HexDigitValue(c);
    if (digit < 0)
        return 0;
    return acc * (hex ? 16u : 8u) + static_cast<std::uint32_t>(digit);
}

bool StartsWithWord(std::string_view text, std::string_view word)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (text.size() - i < word.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (Upper(text[i + k]) != Upper(word[k]))
            return false;
    }
    return true;
}

int FileType(std::string_view name)
{
    if (name.size() < 4 || name[name.size() - 4] != '.')
        return 0;
    std::string_view ext = name.substr(name.size() - 3);
    const char upper[3] = {Upper(ext[0]), Upper(ext[1]), Upper(ext[2])};
    const std::string_view letters(upper, 3);
    if (letters == "TXT")
        return 1;
    if (letters == "BAT")
        return 2;
    if (letters == "VAL")
        return 3;
    return 0;
}

LineCode ReadFieldLine(std::FILE* file, LineBuffer& line, std::size_t& length, std::span<std::int64_t> numbers,
                       const TokenScanner& scan)
{
    const LineRead read = ReadLine(file, line, length);
    if (read == LineRead::Overlong)
        return kNothing;
    if (read != LineRead::Line && read != LineRead::LastText)
        return kEnd;
    return ParseFieldLine(std::string_view(line.data(), length), read == LineRead::Line, numbers, scan);
}

const char* FailedSuffix(bool failed)
{
    return failed ? " failed" : "";
}

LineCode ParseFieldLine(std::string_view text, bool newline, std::span<std::int64_t> numbers, const TokenScanner& scan)
{
    LineCode result = kNothing;
    State state = State::Start;
    std::size_t number = 0;
    bool scanned = false;
    for (std::size_t i = 0; i < text.size() && state != State::Rest; ++i) {
        const char c = text[i];
        switch (state) {
        case State::Start:
            if (c == '#')
                state = State::Marker;
            else if (!IsBlank(c))
                state = State::Name;
            break;
        case State::Name:
            if (c == '#')
                state = State::Rest;
            else if (IsBlank(c))
                state = State::Number;
            break;
        case State::Number: {
            std::int64_t& n = numbers[number];
            if (c == '#') {
                state = State::Rest;
            } else if (IsBlank(c)) {
                if (n >= 0 && ++number == numbers.size())
                    state = State::Address;
            } else {
                n = AddHexDigit(n >= 0 ? static_cast<std::uint32_t>(n) : 0, c, true);
            }
            break;
        }
        case State::Address:
            // Until a token scans, every character that is neither blank nor "#" starts a new
            // scan; once one has, the next such character makes the line a field line.
            if (c == '#') {
                state = State::Rest;
            } else if (!IsBlank(c)) {
                if (!scanned) {
                    scanned = scan(text.substr(i));
                } else {
                    result = kField;
                    state = State::Rest;
                }
            }
            break;
        case State::Marker:
            if (StartsWithWord(text.substr(i), "firstseg"))
                result = kFirstSeg;
            else if (StartsWithWord(text.substr(i), "nextseg"))
                result = kNextSeg;
            else
                result = kComment;
            state = State::Rest;
            break;
        case State::Rest: break;
        }
    }
    if (!newline)
        return result == kField ? kLastField : kEnd;
    return result;
}

} // namespace SettingsText
