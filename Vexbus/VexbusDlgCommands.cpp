// The command language: the interpreter and the eight bus command handlers of the main dialog.
#include "VexbusDlg.h"

#include "CmdArgs.h"
#include "I2CLink.h"
#include "LogList.h"
#include "UiServices.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>

namespace {

// "delay" blocks the user-interface thread; a longer wait (0xFFFFFFFF would be endless) is cut.
constexpr std::uint32_t kMaxDelayMs = 600000;
constexpr std::size_t kMaxWord = 19;

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Format(const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One "%lx" conversion: blanks, an optional sign, an optional "0x", then hexadecimal digits up to
// the first other character. False, with p unmoved, where no number can be read.
bool ScanHex(const char*& p, std::uint32_t& value)
{
    const char* s = p;
    while (IsBlank(*s))
        ++s;
    bool negative = false;
    if (*s == '+' || *s == '-')
        negative = *s++ == '-';
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X') && HexDigit(s[2]) >= 0)
        s += 2;
    if (HexDigit(*s) < 0)
        return false;
    std::uint32_t v = 0;
    for (int d; (d = HexDigit(*s)) >= 0; ++s)
        v = (v << 4) | static_cast<std::uint32_t>(d);
    value = negative ? 0u - v : v;
    p = s;
    return true;
}

// "%s %lx %lx %lx %lx %lx": the word and up to five numbers; returns the number of items read.
int ScanLine(const char* line, std::string& word, CmdArgs& args)
{
    const char* p = line;
    while (IsBlank(*p))
        ++p;
    const char* start = p;
    while (*p && !IsBlank(*p))
        ++p;
    if (p == start)
        return 0;
    word.assign(start, p);
    std::uint32_t* nums[] = {&args.num1, &args.num2, &args.num3, &args.num4, &args.num5};
    int n = 1;
    for (std::uint32_t* num : nums) {
        if (!ScanHex(p, *num))
            break;
        ++n;
    }
    return n;
}

bool Is(const std::string& word, const char* keyword)
{
    return strcasecmp(word.c_str(), keyword) == 0;
}

} // namespace

void CVexbusDlg::AppendLine(const std::string& line, bool scroll)
{
    const int index = m_pLogList->InsertItem(m_pLogList->GetItemCount(), line);
    if (scroll)
        m_pLogList->EnsureVisible(index, true);
}

void CVexbusDlg::ScrollToEnd()
{
    m_pLogList->EnsureVisible(m_pLogList->GetItemCount() - 1, true);
}

int CVexbusDlg::ExecuteCommand(char* line)
{
    std::size_t length = std::strlen(line);
    while (length > 0 && (line[length - 1] == '\r' || line[length - 1] == '\n'))
        line[--length] = '\0';
    if (length == 0)
        return 1;

    CmdArgs args;
    std::string word;
    const int n = ScanLine(line, word, args);
    if (n == 0)
        return 1;

    if (Is(word, "i2crw") || Is(word, "i2crw16")) {
        if (n < 3)
            return 0;
        const bool wide = word.size() == 7;
        word = n == 3 ? (wide ? "i2cr16" : "i2cr") : (wide ? "i2cw16" : "i2cw");
    }
    args.count = n - 1;

    if (word.size() <= kMaxWord) {
        using Handler = int (CVexbusDlg::*)(CmdArgs*);
        static constexpr std::pair<const char*, Handler> kHandlers[] = {
            {"i2cr", &CVexbusDlg::CmdI2cr},   {"i2cr16", &CVexbusDlg::CmdI2cr16},
            {"i2cw", &CVexbusDlg::CmdI2cw},   {"i2cw16", &CVexbusDlg::CmdI2cw16},
            {"ior16", &CVexbusDlg::CmdIor16}, {"iow16", &CVexbusDlg::CmdIow16},
            {"ior", &CVexbusDlg::CmdIor},     {"iow", &CVexbusDlg::CmdIow},
        };
        for (const auto& [keyword, handler] : kHandlers) {
            if (Is(word, keyword))
                return (this->*handler)(&args);
        }
        if (Is(word, "portr") || Is(word, "portw") || Is(word, "rem") || Is(word, "#") || Is(word, ";"))
            return 1;
        if (Is(word, "pause")) {
            AppMessageBox(length > 5 ? std::string(line + 5) : std::string("Press OK to continue"),
                          MB_OKCANCEL | MB_ICONINFORMATION);
            return 1;
        }
        if (Is(word, "delay")) {
            UiSleep(std::min(args.num1, kMaxDelayMs));
            return 1;
        }
    }

    if (line[0] == '#') {
        AppendLine("Test CMD Line: '#'", true);
        return 1;
    }
    AppendLine("*** Unknown cmd " + std::string(line) + " ***", true);
    return 0;
}

int CVexbusDlg::MissingParameters(const char* word)
{
    AppendLine(Format("*** %s parameters missing ***", word), true);
    return 0;
}

int CVexbusDlg::BlockRead(CmdArgs* a, bool wide)
{
    // The transfer takes the count's low byte, so the lines show no more than that; the buffer
    // is cleared first, so a failed or short transfer shows 00 rather than an older block.
    const std::uint32_t size = a->num4 & 0xFF;
    std::array<u8, 256> buffer{};
    for (std::uint32_t j = 0; j < a->num3; ++j) {
        const std::uint32_t sub = a->num2 + j;
        std::fill_n(buffer.begin(), size, u8{0});
        if (wide)
            g_pLink->ReadBlock16(static_cast<u8>(a->num1), static_cast<u16>(sub), static_cast<u16>(size),
                                 buffer.data());
        else
            g_pLink->ReadBlock8(static_cast<u8>(a->num1), static_cast<u8>(sub), static_cast<u16>(size),
                                buffer.data());
        for (std::uint32_t i = 0; i < size; ++i)
            AppendLine(Format(wide ? "i2cr %02x %04x -> byte: %02x %02x" : "i2cr %02x %02x -> byte: %02x %02x",
                              a->num1, sub, i, buffer[i]),
                       true);
    }
    return 1;
}

int CVexbusDlg::CmdI2cr(CmdArgs* a)
{
    switch (a->count) {
    case 2: {
        a->num3 = 0;
        u8 byte = 0;
        const bool ok = g_pLink->Read8(static_cast<u8>(a->num1), static_cast<u8>(a->num2), &byte) == 0;
        a->num3 = byte;
        AppendLine(ok ? Format("i2cr %02x %02x -> %02x", a->num1, a->num2, a->num3)
                      : Format("i2cr %02x %02x -> failed", a->num1, a->num2),
                   true);
        return 1;
    }
    case 3:
        for (std::uint32_t i = 0; i < a->num3; ++i) {
            const std::uint32_t sub = a->num2 + i;
            u8 byte = 0;
            const bool ok = g_pLink->Read8(static_cast<u8>(a->num1), static_cast<u8>(sub), &byte) == 0;
            a->num4 = byte;
            AppendLine(ok ? Format("i2cr %02x %02x -> %02x", a->num1, sub, a->num4)
                          : Format("i2cr %02x %02x -> failed", a->num1, sub),
                       false);
        }
        return 1;
    case 4:
        return BlockRead(a, false);
    default:
        return MissingParameters("i2cr");
    }
}

int CVexbusDlg::CmdI2cr16(CmdArgs* a)
{
    switch (a->count) {
    case 2: {
        a->num3 = 0;
        u8 byte = 0;
        const bool ok = g_pLink->Read16(static_cast<u8>(a->num1), static_cast<u16>(a->num2), &byte) == 0;
        a->num3 = byte;
        AppendLine(ok ? Format("i2cr %02x %04x -> %02x", a->num1, a->num2, a->num3)
                      : Format("i2cr %02x %04x -> failed", a->num1, a->num2),
                   true);
        return 1;
    }
    case 3:
        for (std::uint32_t i = 0; i < a->num3; ++i) {
            const std::uint32_t sub = a->num2 + i;
            u8 byte = 0;
            const bool ok = g_pLink->Read16(static_cast<u8>(a->num1), static_cast<u16>(sub), &byte) == 0;
            a->num4 = byte;
            AppendLine(ok ? Format("i2cr16 %02x %04x -> %02x", a->num1, sub, a->num4)
                          : Format("i2cr16 %02x %04x -> failed", a->num1, sub),
                       false);
        }
        return 1;
    case 4:
        return BlockRead(a, true);
    default:
        return MissingParameters("i2cr16");
    }
}

int CVexbusDlg::CmdI2cw(CmdArgs* a)
{
    std::string line;
    std::int32_t status = 0;
    switch (a->count) {
    case 3:
        status = g_pLink->Write8(static_cast<u8>(a->num1), static_cast<u8>(a->num2), static_cast<u8>(a->num3));
        line = Format("i2cw %02x %02x %02x", a->num1, a->num2, a->num3);
        break;
    case 4:
        status = g_pLink->Modify8(a->num1, a->num2, static_cast<std::int32_t>(a->num3), static_cast<u8>(a->num4));
        line = Format("i2cw %02x %02x %02x, mask = %02x", a->num1, a->num2, a->num3, a->num4);
        break;
    default:
        return MissingParameters("i2cw");
    }
    AppendLine(status == 0 ? line : line + " failed", true);
    return 1;
}

int CVexbusDlg::CmdI2cw16(CmdArgs* a)
{
    std::string line;
    std::int32_t status = 0;
    switch (a->count) {
    case 3:
        status = g_pLink->Write16(static_cast<u8>(a->num1), static_cast<u16>(a->num2), static_cast<u8>(a->num3));
        line = Format("i2cw16 %02x %04x %02x", a->num1, a->num2, a->num3);
        break;
    case 4:
        status = g_pLink->Modify16(a->num1, a->num2, static_cast<std::int32_t>(a->num3), static_cast<u8>(a->num4));
        line = Format("i2cw16 %02x %04x %02x, mask = %02x", a->num1, a->num2, a->num3, a->num4);
        break;
    default:
        return MissingParameters("i2cw16");
    }
    AppendLine(status == 0 ? line : line + " failed", true);
    return 1;
}

int CVexbusDlg::CmdIor(CmdArgs* a)
{
    if (a->count != 2)
        return MissingParameters("ior");
    const auto n = static_cast<std::int32_t>(a->num2);
    for (std::int32_t i = 0; i < n; ++i) {
        const u8 address = static_cast<u8>(a->num1 + static_cast<std::uint32_t>(i));
        u8 byte = 0;
        const bool ok = g_pLink->ReadReg8(address, &byte) == 0;
        a->num4 = byte;
        AppendLine(ok ? Format("ior %02x -> %02x", address, a->num4) : Format("ior %02x -> failed", address), false);
    }
    ScrollToEnd();
    return 1;
}

int CVexbusDlg::CmdIor16(CmdArgs* a)
{
    switch (a->count) {
    case 1: {
        a->num3 = 0;
        u8 byte = 0;
        const bool ok = g_pLink->ReadReg16(static_cast<u16>(a->num1), &byte) == 0;
        a->num3 = byte;
        AppendLine(ok ? Format("ior16 %04x -> %02x", a->num1, a->num3) : Format("ior16 %04x -> failed", a->num1),
                   false);
        break;
    }
    case 2: {
        const auto n = static_cast<std::int32_t>(a->num2);
        for (std::int32_t i = 0; i < n; ++i) {
            const std::uint32_t address = a->num1 + static_cast<std::uint32_t>(i);
            u8 byte = 0;
            const bool ok = g_pLink->ReadReg16(static_cast<u16>(address), &byte) == 0;
            a->num4 = byte;
            AppendLine(ok ? Format("ior16 %04x -> %02x", address, a->num4)
                          : Format("ior16 %04x -> failed", address),
                       false);
        }
        break;
    }
    default:
        return MissingParameters("ior16");
    }
    ScrollToEnd();
    return 1;
}

int CVexbusDlg::CmdIow(CmdArgs* a)
{
    const u8 address = static_cast<u8>(a->num1);
    std::string line;
    std::int32_t status = 0;
    switch (a->count) {
    case 2:
        status = g_pLink->WriteReg8(address, static_cast<u8>(a->num2));
        line = Format("iow %02x %02x", address, a->num2);
        break;
    case 3:
        status = g_pLink->ModifyReg8(address, static_cast<u8>(a->num2), static_cast<u8>(~a->num3));
        line = Format("iow %02x %02x %02x", address, a->num2, a->num3);
        break;
    default:
        return MissingParameters("iow");
    }
    AppendLine(status == 0 ? line : line + " failed", true);
    return 1;
}

int CVexbusDlg::CmdIow16(CmdArgs* a)
{
    const u16 address = static_cast<u16>(a->num1);
    std::string line;
    std::int32_t status = 0;
    switch (a->count) {
    case 2:
        status = g_pLink->WriteReg16(address, static_cast<u8>(a->num2));
        line = Format("iow16 %04x %02x", a->num1, a->num2);
        break;
    case 3:
        status = g_pLink->ModifyReg16(address, static_cast<u8>(a->num2), static_cast<u8>(~a->num3));
        line = Format("iow16 %04x %02x %02x", a->num1, a->num2, a->num3);
        break;
    default:
        return MissingParameters("iow16");
    }
    AppendLine(status == 0 ? line : line + " failed", true);
    return 1;
}

void CVexbusDlg::OnEnter()
{
    std::string text = m_pCmdLine->text().toStdString();
    ExecuteCommand(text.data());
}
