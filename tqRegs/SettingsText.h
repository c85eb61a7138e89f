#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>
#include <string_view>

// The line grammar of text register-settings files, shared by the two loaders.
namespace SettingsText {

// What one line of a file is.
enum LineCode : int {
    kNothing = 0, // blank, "#" alone, or not a complete field line
    kComment = 1,
    kFirstSeg = 2,
    kNextSeg = 3,
    kField = 4,
    kLastField = 5, // a field line that ends the input without a newline
    kEnd = 6,       // end of input
};

constexpr std::size_t kLineCapacity = 511;
using LineBuffer = std::array<char, kLineCapacity + 1>;

enum class LineRead {
    Line,          // a line and its newline
    LastText,      // text that ends the input without a newline
    Overlong,      // a line too long for the buffer, skipped through its newline
    OverlongAtEnd, // the same, running into the end of input
    Nothing,       // the end of input
};

// Reads one line without its newline (nor the carriage return before it) into line, which
// stays zero-terminated; length is the number of characters kept.
LineRead ReadLine(std::FILE* file, LineBuffer& line, std::size_t& length);

// One digit more of a number, modulo 2^32: hexadecimal, or base 8 with the digits 8 to F still
// taking their hexadecimal values. A character that is no digit starts the number again at 0.
std::uint32_t AddHexDigit(std::uint32_t acc, char c, bool hex);

// Whether text, after blanks, starts with word in any case.
bool StartsWithWord(std::string_view text, std::string_view word);

// 1 for ".txt", 2 for ".bat", 3 for ".val" at the end of name (letters in any case), else 0.
int FileType(std::string_view name);

// Scans the address token at the start of its argument (the rest of the line); true when
// it holds a whole address. After a failed scan the next character is tried.
using TokenScanner = std::function<bool(std::string_view)>;

// Reads the next line of file into line (length: the characters kept) and parses it as
// ParseFieldLine does. A line too long for the buffer is skipped as nothing usable.
LineCode ReadFieldLine(std::FILE* file, LineBuffer& line, std::size_t& length, std::span<std::int64_t> numbers,
                       const TokenScanner& scan);

// The most value bits a field line carries.
constexpr int kValueBits = 32;

// What a write-out's log line gets when its transfer failed.
const char* FailedSuffix(bool failed);

// A load from the file's first line: parse() reads one line, each field line is stored, and
// each NEXTSEG marker and the end of the input write out what was collected since the last.
template <typename Parse, typename Store, typename WriteOut>
void LoadLines(std::FILE* file, Parse parse, Store store, WriteOut writeOut)
{
    std::rewind(file);
    for (;;) {
        switch (parse()) {
        case kNextSeg: writeOut(); break;
        case kField: store(); break;
        case kLastField:
            store();
            writeOut();
            return;
        case kEnd: writeOut(); return;
        default: break;
        }
    }
}

// Parses one line: a name, then numbers.size() (at least one) hexadecimal numbers (each -1 until its first
// character, then 0 to 0xFFFFFFFF), then an address token, then anything; or a "#" comment,
// which may be a segment marker. newline tells whether the text was ended by one.
LineCode ParseFieldLine(std::string_view text, bool newline, std::span<std::int64_t> numbers, const TokenScanner& scan);

} // namespace SettingsText
