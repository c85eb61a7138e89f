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

std::uint64_t LogListWidest::Estimate(std::string_view text)
{
    if (text.empty())
        return 0;
    if (!m_measured)
        ReadAdvances();
    std::uint64_t estimate = 0;
    for (const char c : text)
        estimate += m_advances[static_cast<unsigned char>(c)];
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
    // The continuation bytes of a character: its first byte counted it.
    std::fill(m_advances.begin() + 0x80, m_advances.begin() + 0xC0, 0);
    m_measured = true;
}

void LogListWidest::FindLowest()
{
    const auto lowest =
        std::min_element(m_candidates.begin(), m_candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.estimate < b.estimate; });
    m_lowest = static_cast<std::size_t>(lowest - m_candidates.begin());
}
