#include "Vexbus/BatchFile.h"

#include <cstring>
#include <vector>

char* ReadPiece(char* buffer, std::FILE* file)
{
    if (!std::fgets(buffer, kLineBuffer, file))
        return nullptr;
    const std::size_t n = std::strlen(buffer);
    if (n >= 2 && buffer[n - 2] == '\r' && buffer[n - 1] == '\n') {
        buffer[n - 2] = '\n';
        buffer[n - 1] = '\0';
    } else if (n >= 1 && buffer[n - 1] == '\r') {
        const int next = std::fgetc(file);
        if (next == '\n')
            buffer[n - 1] = '\n';
        else if (next != EOF)
            std::ungetc(next, file);
    }
    return buffer;
}

long long CountReads(std::FILE* file)
{
    constexpr std::size_t kPiece = kLineBuffer - 1;
    std::vector<char> buffer(std::size_t{1} << 16);
    char* const block = buffer.data();
    long long pieces = 0;
    std::size_t length = 0; // of the piece read so far
    // The last piece stopped at the limit right after a CR: a LF next is read with it.
    bool afterCr = false;
    for (;;) {
        const std::size_t got = std::fread(block, 1, buffer.size(), file);
        if (got == 0) {
            if (std::ferror(file))
                return pieces + 1; // the read that failed
            break;
        }
        const char* p = block;
        const char* const end = block + got;
        while (p < end) {
            if (afterCr) {
                afterCr = false;
                if (*p == '\n') {
                    ++p;
                    continue;
                }
            }
            const void* lineFeed = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
            const char* stop = lineFeed ? static_cast<const char*>(lineFeed) + 1 : end;
            const std::size_t room = kPiece - length;
            if (static_cast<std::size_t>(stop - p) >= room) {
                // The piece fills the buffer (a line feed as its last character ends it alike).
                p += room;
                ++pieces;
                length = 0;
                afterCr = p[-1] == '\r';
            } else {
                length += static_cast<std::size_t>(stop - p);
                p = stop;
                if (lineFeed) {
                    ++pieces;
                    length = 0;
                }
            }
        }
    }
    // A piece cut by the end of the file, or the look past a CR, found the end: no read follows.
    if (length > 0)
        return pieces + 1;
    return afterCr ? pieces : pieces + 1;
}
