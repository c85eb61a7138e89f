// The command language: the interpreter and the eight bus command handlers of the main dialog.
#include "Vexbus/VexbusDlg.h"

#include "Vexbus/CmdArgs.h"
#include "Vexbus/ReadLimit.h"
#include "platform/TextScan.h"
#include "platform/UiServices.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/Format.h"
#include "widgets/LogList.h"
#include "widgets/ProgressWnd.h"

#include <QLineEdit>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>
#include <utility>

namespace {

std::uint32_t ReadCount(std::uint32_t n)
{
    return std::min(n, kMaxReads);
}

// "ior" and "ior16" take their count signed: 0 and below read nothing.
std::uint32_t SignedReadCount(std::uint32_t n)
{
    return static_cast<std::int32_t>(n) > 0 ? ReadCount(n) : 0;
}

// Whether a read of count registers stopped short of it after reading done.
bool IsCut(std::uint32_t count, std::uint32_t done)
{
    return done == kMaxReads && count > kMaxReads;
}

// "%s %lx %lx %lx %lx %lx": the word and up to five numbers; returns the number of items read.
// The word is kept whole, however long: beyond seven characters it matches no keyword and so
// ends as an unknown command.
int ScanLine(const char* line, std::string& word, CmdArgs& args)
{
    const char* p = line;
    word = NextWord(p);
    if (word.empty())
        return 0;
    std::uint32_t* nums[] = {&args.num1, &args.num2, &args.num3, &args.num4, &args.num5};
    int n = 1;
    for (std::uint32_t* num : nums) {
        if (!ScanHexNumber(p, *num))
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

    using Handler = int (CVexbusDlg::*)(CmdArgs*);
    static constexpr std::pair<const char*, Handler> kHandlers[] = {
        {"i2cr", &CVexbusDlg::CmdI2cr},     {"i2cr16", &CVexbusDlg::CmdI2cr16}, {"i2cw", &CVexbusDlg::CmdI2cw},
        {"i2cw16", &CVexbusDlg::CmdI2cw16}, {"ior16", &CVexbusDlg::CmdIor16},   {"iow16", &CVexbusDlg::CmdIow16},
        {"ior", &CVexbusDlg::CmdIor},       {"iow", &CVexbusDlg::CmdIow},
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
        // Every number is a finite wait, FFFFFFFF too (some 50 days), never an endless one.
        if (m_pBatch && args.num1 != 0)
            m_pBatch->ShowNow();
        UiSleep(args.num1);
        return 1;
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
    const std::uint32_t n = ReadCount(a->num3);
    for (std::uint32_t j = 0; j < n; ++j) {
        const std::uint32_t sub = a->num2 + j;
        std::fill_n(buffer.begin(), size, u8{0});
        if (wide)
            g_pLink->ReadBlock16(static_cast<u8>(a->num1), static_cast<u16>(sub), static_cast<u16>(size),
                                 buffer.data());
        else
            g_pLink->ReadBlock8(static_cast<u8>(a->num1), static_cast<u8>(sub), static_cast<u16>(size), buffer.data());
        for (std::uint32_t i = 0; i < size; ++i)
            AppendLine(Format(wide ? "i2cr %02x %04x -> byte: %02x %02x" : "i2cr %02x %02x -> byte: %02x %02x", a->num1,
                              sub, i, buffer[i]),
                       true);
    }
    if (IsCut(a->num3, n))
        AppendLine(RangeCutLine(a->num2, a->num2 + n - 1, wide), true);
    return 1;
}

namespace {

// One byte at a slave, at an 8-bit or a 16-bit sub-address.
std::int32_t ReadAt(std::uint32_t slave, std::uint32_t sub, bool wide, u8* byte)
{
    return wide ? g_pLink->Read16(static_cast<u8>(slave), static_cast<u16>(sub), byte)
                : g_pLink->Read8(static_cast<u8>(slave), static_cast<u8>(sub), byte);
}

} // namespace

int CVexbusDlg::SlaveRead(CmdArgs* a, bool wide)
{
    switch (a->count) {
    case 2: {
        a->num3 = 0;
        u8 byte = 0;
        const bool ok = ReadAt(a->num1, a->num2, wide, &byte) == 0;
        a->num3 = byte;
        if (ok)
            AppendLine(Format(wide ? "i2cr %02x %04x -> %02x" : "i2cr %02x %02x -> %02x", a->num1, a->num2, a->num3),
                       true);
        else
            AppendLine(Format(wide ? "i2cr %02x %04x -> failed" : "i2cr %02x %02x -> failed", a->num1, a->num2), true);
        return 1;
    }
    case 3: {
        const std::uint32_t n = ReadCount(a->num3);
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint32_t sub = a->num2 + i;
            u8 byte = 0;
            const bool ok = ReadAt(a->num1, sub, wide, &byte) == 0;
            a->num4 = byte;
            if (ok)
                AppendLine(Format(wide ? "i2cr16 %02x %04x -> %02x" : "i2cr %02x %02x -> %02x", a->num1, sub, a->num4),
                           false);
            else
                AppendLine(Format(wide ? "i2cr16 %02x %04x -> failed" : "i2cr %02x %02x -> failed", a->num1, sub),
                           false);
        }
        // The lines of a counted read stay where they are; its cut is a line to be seen.
        if (IsCut(a->num3, n))
            AppendLine(RangeCutLine(a->num2, a->num2 + n - 1, wide), true);
        return 1;
    }
    case 4: return BlockRead(a, wide);
    default: return MissingParameters(wide ? "i2cr16" : "i2cr");
    }
}

int CVexbusDlg::SlaveWrite(CmdArgs* a, bool wide)
{
    const auto slave = static_cast<u8>(a->num1);
    const auto value = static_cast<u8>(a->num3);
    std::string line;
    std::int32_t status = 0;
    switch (a->count) {
    case 3:
        status = wide ? g_pLink->Write16(slave, static_cast<u16>(a->num2), value)
                      : g_pLink->Write8(slave, static_cast<u8>(a->num2), value);
        line = Format(wide ? "i2cw16 %02x %04x %02x" : "i2cw %02x %02x %02x", a->num1, a->num2, a->num3);
        break;
    case 4: {
        const auto keep = static_cast<u8>(a->num4);
        const auto full = static_cast<std::int32_t>(a->num3);
        status =
            wide ? g_pLink->Modify16(a->num1, a->num2, full, keep) : g_pLink->Modify8(a->num1, a->num2, full, keep);
        line = Format(wide ? "i2cw16 %02x %04x %02x, mask = %02x" : "i2cw %02x %02x %02x, mask = %02x", a->num1,
                      a->num2, a->num3, a->num4);
        break;
    }
    default: return MissingParameters(wide ? "i2cw16" : "i2cw");
    }
    AppendLine(status == 0 ? line : line + " failed", true);
    return 1;
}

int CVexbusDlg::CmdI2cr(CmdArgs* a)
{
    return SlaveRead(a, false);
}

int CVexbusDlg::CmdI2cr16(CmdArgs* a)
{
    return SlaveRead(a, true);
}

int CVexbusDlg::CmdI2cw(CmdArgs* a)
{
    return SlaveWrite(a, false);
}

int CVexbusDlg::CmdI2cw16(CmdArgs* a)
{
    return SlaveWrite(a, true);
}

int CVexbusDlg::CmdIor(CmdArgs* a)
{
    if (a->count != 2)
        return MissingParameters("ior");
    const std::uint32_t n = SignedReadCount(a->num2);
    for (std::uint32_t i = 0; i < n; ++i) {
        const u8 address = static_cast<u8>(a->num1 + i);
        u8 byte = 0;
        const bool ok = g_pLink->ReadReg8(address, &byte) == 0;
        a->num4 = byte;
        AppendLine(ok ? Format("ior %02x -> %02x", address, a->num4) : Format("ior %02x -> failed", address), false);
    }
    // The cut names the whole addresses counted, not the low bytes that the lines show.
    if (IsCut(a->num2, n))
        AppendLine(RangeCutLine(a->num1, a->num1 + n - 1, false), false);
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
        const std::uint32_t n = SignedReadCount(a->num2);
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint32_t address = a->num1 + i;
            u8 byte = 0;
            const bool ok = g_pLink->ReadReg16(static_cast<u16>(address), &byte) == 0;
            a->num4 = byte;
            AppendLine(ok ? Format("ior16 %04x -> %02x", address, a->num4) : Format("ior16 %04x -> failed", address),
                       false);
        }
        if (IsCut(a->num2, n))
            AppendLine(RangeCutLine(a->num1, a->num1 + n - 1, true), false);
        break;
    }
    default: return MissingParameters("ior16");
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
    default: return MissingParameters("iow");
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
    default: return MissingParameters("iow16");
    }
    AppendLine(status == 0 ? line : line + " failed", true);
    return 1;
}

void CVexbusDlg::OnEnter()
{
    std::string text = m_pCmdLine->text().toStdString();
    ExecuteCommand(text.data());
}
