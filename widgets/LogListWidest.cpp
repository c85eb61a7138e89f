#include "widgets/LogListWidest.h"

#include <QFontMetricsF>
#include <QTextOption>

#include <algorithm>
#include <cmath>

bool LogListWidest::SetFont(const QFont& font)
{
    if (font == m_font)
        return false;
    m_font = font;
    m_measured = false;
    Clear();
    return true;
}

void LogListWidest::Add(int row, std::string_view text)
{
    const std::uint64_t estimate = Estimate(text);
    if (m_count < kCandidates) {
        m_candidates[m_count++] = {estimate, row};
        if (m_count == kCandidates)
            FindLowest();
        return;
    }
    if (estimate <= m_candidates[m_lowest].estimate)
        return;
    m_candidates[m_lowest] = {estimate, row};
    FindLowest();
}

void LogListWidest::Insert(int row, std::string_view text)
{
    for (std::size_t i = 0; i < m_count; ++i)
        if (m_candidates[i].row >= row)
            ++m_candidates[i].row;
    Add(row, text);
}

void LogListWidest::Clear()
{
    m_count = 0;
    m_lowest = 0;
}

std::vector<int> LogListWidest::Rows() const
{
    std::vector<int> rows;
    rows.reserve(m_count);
    for (std::size_t i = 0; i < m_count; ++i)
        rows.push_back(m_candidates[i].row);
    return rows;
}

namespace {

// The length of the well-formed UTF-8 sequence that starts with the byte at p (not ASCII), or 0
// where the bytes are no such sequence.
std::size_t SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char lead = *p;
    std::size_t length = 0;
    // The range of the second byte, which some leads narrow; the others are 80 to BF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (static_cast<std::size_t>(end - p) < length || p[1] < low || p[1] > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return length;
}

} // namespace

std::uint64_t LogListWidest::Estimate(std::string_view text)
{
    if (text.empty())
        return 0;
    if (!m_measured)
        ReadAdvances();
    std::uint64_t estimate = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        if (*p < 0x80) {
            estimate += m_advances[*p++];
            continue;
        }
        // Every byte of what is no UTF-8 (a Latin-1 text, a cut sequence) is drawn as a
        // replacement character of its own.
        const std::size_t length = SequenceLength(p, end);
        estimate += length ? m_advances[*p] : m_replacement;
        p += length ? length : 1;
    }
    return estimate;
}

void LogListWidest::ReadAdvances()
{
    const QFontMetricsF metrics(m_font);
    const auto fixed = [](qreal pixels) { return static_cast<std::uint32_t>(std::lround(pixels * 64)); };
    // Control characters have no glyph of their own; asking the font for one searches the
    // fallback fonts.
    const std::uint32_t widest = fixed(metrics.maxWidth());
    std::fill(m_advances.begin(), m_advances.end(), widest);
    for (char16_t c = 0x20; c < 0x7F; ++c)
        m_advances[c] = fixed(metrics.horizontalAdvance(QChar(c)));
    // A tab reaches the next tab stop at the most.
    m_advances['\t'] = std::max(widest, fixed(QTextOption().tabStopDistance()));
    // Drawn from a fallback font where the list's has none.
    m_replacement = std::max(widest, fixed(metrics.horizontalAdvance(QString(QChar::ReplacementCharacter))));
    m_measured = true;
}

void LogListWidest::FindLowest()
{
    const auto lowest =
        std::min_element(m_candidates.begin(), m_candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.estimate < b.estimate; });
    m_lowest = static_cast<std::size_t>(lowest - m_candidates.begin());
}
