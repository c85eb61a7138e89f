#include "Vexbus/BatchFile.h"
#include "PieceReads.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// A file holding the bytes, open for reading.
std::FILE* FileOf(const std::string& bytes)
{
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    return file;
}

void ExpectSameCount(const std::string& bytes)
{
    std::FILE* file = FileOf(bytes);
    RewindToFirstLine(file);
    const long long oneByOne = ReadsOneByOne(file);
    RewindToFirstLine(file);
    EXPECT_EQ(CountReads(file), oneByOne) << bytes.size() << " bytes";
    std::fclose(file);
}

// The pieces of the file from its first line on, and the position after each.
std::vector<std::pair<std::string, long>> Pieces(const std::string& bytes)
{
    std::FILE* file = FileOf(bytes);
    std::vector<std::pair<std::string, long>> pieces;
    char line[kLineBuffer];
    RewindToFirstLine(file);
    while (ReadPiece(line, file))
        pieces.emplace_back(line, std::ftell(file));
    std::fclose(file);
    return pieces;
}

const std::string kMark = "\xEF\xBB\xBF";

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
        "a\rb\r",
        "a\r\rb",
        piece.substr(1) + "\r\r",
        piece + "\r\n",
        piece + "\r",
        std::string("a\0", 2) + piece.substr(3) + "\r\n",
        std::string("\0\r\0\n", 4),
        kMark,
        kMark + "a\rb",
        "\xEF\xBB",
        "\xEF\xBB\xBF\xEF\xBB\xBF\r",
        std::string(70000, 'x') + "\n" + std::string(65536, '\n'),
    };
    for (const std::string& bytes : cases)
        ExpectSameCount(bytes);
}

TEST(BatchFileTest, CountsRandomFilesOfLongLinesAndLineEndsAlike)
{
    std::mt19937 random(20261210);
    // Line lengths near the piece limit, and CRs and NULs where pieces split, across block boundaries.
    std::uniform_int_distribution<int> length(0, 2 * kLineBuffer + 4);
    std::uniform_int_distribution<int> kind(0, 6);
    for (int file = 0; file < 200; ++file) {
        std::string bytes = file % 4 == 1 ? kMark : "";
        const int lines = file % 20 == 0 ? 600 : 12;
        for (int line = 0; line < lines; ++line) {
            bytes.append(static_cast<std::size_t>(length(random)), 'c');
            switch (kind(random)) {
            case 0: bytes += "\r\n"; break;
            case 1: bytes += '\r'; break;
            case 2: bytes += "\r\r\n"; break;
            case 3: bytes += std::string("\0\r", 2); break;
            default: bytes += '\n'; break;
            }
        }
        if (file % 3 == 0)
            bytes.pop_back();
        ExpectSameCount(bytes);
    }
}

TEST(BatchFileTest, ReadsEveryLineEndAsOneLineFeed)
{
    using Read = std::vector<std::pair<std::string, long>>;
    const std::string piece(kLineBuffer - 1, 'p');
    const std::string short1 = piece.substr(1);
    const struct {
        const char* name;
        std::string bytes;
        Read pieces;
    } cases[] = {
        {"line feeds", "a\nbc\n", {{"a\n", 2}, {"bc\n", 5}}},
        {"carriage return and line feed", "a\r\nbc\r\n", {{"a\n", 3}, {"bc\n", 7}}},
        {"lone carriage returns", "a\rbc\r", {{"a\n", 2}, {"bc\n", 5}}},
        {"mixed, with empty lines", "a\r\r\nb\n\rc", {{"a\n", 2}, {"\n", 4}, {"b\n", 6}, {"\n", 7}, {"c", 8}}},
        {"carriage return at the limit", short1 + "\rx", {{short1 + "\n", 254}, {"x", 255}}},
        {"line end split by the limit", short1 + "\r\nx", {{short1 + "\n", 255}, {"x", 256}}},
        {"carriage return after a full piece", piece + "\rx", {{piece, 254}, {"\n", 255}, {"x", 256}}},
        {"line end after a full piece", piece + "\r\nx", {{piece, 254}, {"\n", 256}, {"x", 257}}},
        {"NUL bytes are characters", std::string("a\0b\rc", 5), {{"a", 4}, {"c", 5}}},
        {"byte-order mark", kMark + "a\rb\r", {{"a\n", 5}, {"b\n", 7}}},
        {"byte-order mark alone", kMark, {}},
        {"a second mark is text", kMark + kMark + "\r", {{kMark + "\n", 7}}},
        {"the start of a mark is text", "\xEF\xBB\r", {{"\xEF\xBB\n", 3}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Pieces(c.bytes), c.pieces) << c.name;
}
