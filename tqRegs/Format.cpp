#include "tqRegs/Format.h"

#include <cstdarg>
#include <cstdio>

std::string Format(const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    // Log lines are short: one pass into a local buffer, a second only for a longer text.
    char local[256];
    const int size = std::vsnprintf(local, sizeof local, format, args);
    va_end(args);
    std::string text;
    if (size > 0 && static_cast<std::size_t>(size) < sizeof local) {
        text.assign(local, static_cast<std::size_t>(size));
    } else if (size > 0) {
        text.resize(static_cast<std::size_t>(size));
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    }
    va_end(again);
    return text;
}
