#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// The text of the log lines, packed: each line is its length and its characters, one after the
// other in large regions of memory, and only every kGroup-th line's place is kept. A line is
// found by stepping over at most kGroup - 1 others, which painting a window of rows does not
// notice; a million short lines take under twenty megabytes, and no append moves the lines
// already there.
//
// The regions are mapped with their pages already present: a page first touched one at a time
// costs a fault each, which on a virtual machine can be more than the line itself.
class LogListLines {
public:
    LogListLines() = default;
    ~LogListLines();
    LogListLines(const LogListLines&) = delete;
    LogListLines& operator=(const LogListLines&) = delete;

    std::size_t Size() const { return m_size; }
    std::string_view At(std::size_t index) const;
    // An index at or past the end appends.
    void Insert(std::size_t index, std::string_view text);
    void Clear();

private:
    static constexpr std::size_t kGroup = 16;

    void Append(std::string_view text);
    // Maps a region for at least `need` more bytes and moves the unfinished group into it, so
    // that a group's lines always lie together.
    void MapRegion(std::size_t need);

    std::vector<std::span<std::byte>> m_regions;
    std::byte* m_free = nullptr;
    std::size_t m_room = 0;
    // Where each group of kGroup lines starts.
    std::vector<std::byte*> m_groups;
    std::size_t m_size = 0;
};
