#include "Vexbus/BatchFile.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kPiece = kLineBuffer - 1;

// After a CR: the LF that follows it belongs to the same line end. The end of the file found in
// looking is left for the next read to find, as after a LF.
void TakeLineFeed(std::FILE* file)
{
    const int next = getc_unlocked(file);
    if (next == EOF) {
        if (!std::ferror(file))
            std::clearerr(file);
    } else if (next != '\n') {
        std::ungetc(next, file);
    }
}

} // namespace

long RewindToFirstLine(std::FILE* file)
{
    static constexpr char kMark[] = "\xEF\xBB\xBF";
    constexpr std::size_t kMarkSize = sizeof kMark - 1;
    std::rewind(file);
    char start[kMarkSize];
    if (std::fread(start, 1, kMarkSize, file) == kMarkSize && std::memcmp(start, kMark, kMarkSize) == 0)
        return kMarkSize;
    std::rewind(file);
    return 0;
}

char* ReadPiece(char* buffer, std::FILE* file)
{
    int n = 0;
    while (n < kPiece) {
        const int c = getc_unlocked(file);
        if (c == EOF) {
            if (n == 0 || std::ferror(file))
                return nullptr;
            break;
        }
        if (c == '\r') {
            TakeLineFeed(file);
            buffer[n++] = '\n';
            break;
        }
        buffer[n++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    buffer[n] = '\0';
    return buffer;
}

long long CountReads(std::FILE* file)
{
    std::vector<char> buffer(std::size_t{1} << 16);
    long long pieces = 0;
    int length = 0; // of the piece read so far
    bool afterCr = false;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        if (got == 0)
            break;
        for (std::size_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (afterCr) {
                afterCr = false;
                if (c == '\n')
                    continue;
            }
            if (c == '\n' || c == '\r' || ++length == kPiece) {
                ++pieces;
                length = 0;
                afterCr = c == '\r';
            }
        }
    }
    // The read that finds the end of the file or fails; or the one of a piece that the end cuts.
    return pieces + 1;
}
