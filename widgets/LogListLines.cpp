#include "widgets/LogListLines.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>

namespace {

constexpr std::size_t kFirstRegion = 64 * 1024;
constexpr std::size_t kLargestRegion = 1024 * 1024;
// A length takes a byte per seven bits, the low ones first; its top bit says that more follow.
constexpr std::size_t kMaxLengthBytes = 10;

std::byte* PutLength(std::byte* at, std::size_t length)
{
    for (; length >= 0x80; length >>= 7)
        *at++ = static_cast<std::byte>((length & 0x7F) | 0x80);
    *at++ = static_cast<std::byte>(length);
    return at;
}

const std::byte* GetLength(const std::byte* at, std::size_t& length)
{
    length = 0;
    for (unsigned shift = 0;; shift += 7) {
        const auto b = std::to_integer<std::size_t>(*at++);
        length |= (b & 0x7F) << shift;
        if ((b & 0x80) == 0)
            return at;
    }
}

} // namespace

LogListLines::~LogListLines()
{
    Clear();
}

std::string_view LogListLines::At(std::size_t index) const
{
    const std::byte* at = m_groups[index / kGroup];
    std::size_t length = 0;
    for (std::size_t skip = index % kGroup; skip > 0; --skip)
        at = GetLength(at, length) + length;
    at = GetLength(at, length);
    return {reinterpret_cast<const char*>(at), length};
}

void LogListLines::Insert(std::size_t index, std::string_view text)
{
    if (index >= m_size) {
        Append(text);
        return;
    }
    // Before the end only when the list is started or in tests: the lines are laid out anew.
    std::vector<std::string> lines;
    lines.reserve(m_size + 1);
    for (std::size_t i = 0; i < m_size; ++i)
        lines.emplace_back(At(i));
    lines.emplace(lines.begin() + static_cast<std::ptrdiff_t>(index), text);
    Clear();
    for (const std::string& line : lines)
        Append(line);
}

void LogListLines::Clear()
{
    for (const std::span<std::byte> region : m_regions)
        munmap(region.data(), region.size());
    m_regions.clear();
    m_free = nullptr;
    m_room = 0;
    m_groups.clear();
    m_size = 0;
}

void LogListLines::Append(std::string_view text)
{
    const std::size_t need = kMaxLengthBytes + text.size();
    if (need > m_room)
        MapRegion(need);
    if (m_size % kGroup == 0)
        m_groups.push_back(m_free);
    std::byte* at = PutLength(m_free, text.size());
    std::copy(text.begin(), text.end(), reinterpret_cast<char*>(at));
    at += text.size();
    m_room -= static_cast<std::size_t>(at - m_free);
    m_free = at;
    ++m_size;
}

void LogListLines::MapRegion(std::size_t need)
{
    const bool grouping = m_size % kGroup != 0;
    std::byte* groupStart = grouping ? m_groups.back() : m_free;
    const std::size_t carried = grouping ? static_cast<std::size_t>(m_free - groupStart) : 0;
    // Each region twice the last, up to a size whose mapping is still quick; the rest of the
    // last one goes unused.
    const std::size_t next = m_regions.empty() ? kFirstRegion : std::min(2 * m_regions.back().size(), kLargestRegion);
    const std::size_t size = std::max(next, carried + need);
    void* start = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (start == MAP_FAILED)
        throw std::bad_alloc();
    auto* region = static_cast<std::byte*>(start);
    if (grouping) {
        std::copy(groupStart, groupStart + carried, region);
        m_groups.back() = region;
    }
    m_regions.emplace_back(region, size);
    m_free = region + carried;
    m_room = size - carried;
}
