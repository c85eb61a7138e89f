#include "Vexbus/BatchFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

// A file holding the bytes, open for reading.
std::FILE* FileOf(const std::string& bytes)
{
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    return file;
}

// The reads a loop makes that reads pieces until the file's end flag is set.
long long ReadsOneByOne(std::FILE* file)
{
    char line[kLineBuffer];
    long long reads = 0;
    while (!std::feof(file)) {
        ++reads;
        if (!ReadPiece(line, file) && std::ferror(file))
            break;
    }
    return reads;
}

void ExpectSameCount(const std::string& bytes)
{
    std::FILE* file = FileOf(bytes);
    const long long oneByOne = ReadsOneByOne(file);
    std::rewind(file);
    EXPECT_EQ(CountReads(file), oneByOne) << bytes.size() << " bytes";
    std::fclose(file);
}

} // namespace

TEST(BatchFileTest, CountsTheReadsOfThePieceLoop)
{
    const std::string piece(kLineBuffer - 1, 'p');
    const std::string cases[] = {
        "",
        "\n",
        "a",
        "a\nb\n",
        "a\nb",
        "a\r\nb\r\n",
        "\r",
        "\r\r\n\n",
        piece,
        piece + "\n",
        piece + "\n\n",
        piece.substr(1) + "\n",
        piece.substr(1) + "\r\n",
        piece.substr(1) + "\r",
        piece.substr(1) + "\r\nx",
        piece.substr(1) + "\rx\n",
        piece.substr(2) + "\r\n",
        piece + piece + piece + "tail",
        std::string(70000, 'x') + "\n" + std::string(65536, '\n'),
    };
    for (const std::string& bytes : cases)
        ExpectSameCount(bytes);
}

TEST(BatchFileTest, CountsRandomFilesOfLongLinesAndLineEndsAlike)
{
    std::mt19937 random(20261210);
    // Line lengths near the piece limit, and CRs where pieces split, across block boundaries.
    std::uniform_int_distribution<int> length(0, 2 * kLineBuffer + 4);
    std::uniform_int_distribution<int> kind(0, 5);
    for (int file = 0; file < 200; ++file) {
        std::string bytes;
        const int lines = file % 20 == 0 ? 600 : 12;
        for (int line = 0; line < lines; ++line) {
            bytes.append(static_cast<std::size_t>(length(random)), 'c');
            switch (kind(random)) {
            case 0: bytes += "\r\n"; break;
            case 1: bytes += '\r'; break;
            case 2: bytes += "\r\r\n"; break;
            default: bytes += '\n'; break;
            }
        }
        if (file % 3 == 0)
            bytes.pop_back();
        ExpectSameCount(bytes);
    }
}
