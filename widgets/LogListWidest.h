#pragma once

#include <QFont>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The few lines of the log list that look widest, kept as they are appended, so that fitting the
// column measures those few and not a million.
//
// A line's estimate is the sum of an advance per byte in the list's font: an ASCII character's
// own, a tab's whole tab stop, for a character of several bytes the font's widest advance at its
// first byte, so that such a line is rather taken than missed, and for each byte that is no part
// of a UTF-8 character the advance of the replacement character it is drawn as. The painted width
// of an ASCII line differs from the estimate only by kerning, so the widest line is among the
// candidates, or ties with one in all but kerning. Of lines that tie, the first ones stay: a long run of like lines
// leaves the candidates alone.
class LogListWidest {
public:
    // Returns whether the font is new; the candidates are then gone and the lines to be added again.
    bool SetFont(const QFont& font);
    void Add(int row, std::string_view text);
    // The lines from `row` on move down a row to make room for the new one.
    void Insert(int row, std::string_view text);
    void Clear();
    std::vector<int> Rows() const;

private:
    static constexpr std::size_t kCandidates = 16;

    struct Candidate {
        std::uint64_t estimate;
        int row;
    };

    std::uint64_t Estimate(std::string_view text);
    // The advances are read from the font when a line first needs them: opening the face's
    // glyphs costs the start-up time otherwise, and the first line is empty.
    void ReadAdvances();
    void FindLowest();

    QFont m_font;
    bool m_measured = false;
    // In 64ths of a pixel, by byte: the character's, or for the first byte of a character of several
    // bytes the font's widest.
    std::array<std::uint32_t, 256> m_advances{};
    std::uint32_t m_replacement = 0;
    std::array<Candidate, kCandidates> m_candidates{};
    std::size_t m_count = 0;
    // Once all are taken, the one a wider line replaces.
    std::size_t m_lowest = 0;
};
