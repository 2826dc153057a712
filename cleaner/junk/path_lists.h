#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The four path lists the removal deletes from, filled in the junk list's order. The file
// counter of the search decides which list takes a file; read in the order 1..4 they hold the
// same files as the junk list rows.
namespace cleaner {

struct QueuedPath {
    std::string path;                // full Windows path
    std::uint32_t trustedPrefix = 0; // bytes of path naming the walked location's directory
};

class PathLists {
public:
    static constexpr int kCount = 4;

    // The list (1..4) that the file counter, already raised for the file, selects.
    static int listForCounter(std::int32_t fileCounter);

    void clear();
    // Appends to the list the counter selects and makes it the active one.
    void add(std::int32_t fileCounter, QueuedPath entry);

    const std::vector<QueuedPath>& list(int number) const { return lists_.at(number - 1); }
    std::vector<QueuedPath>& list(int number) { return lists_.at(number - 1); }
    // The number of the last list that received a file; 1 at start, kept across searches.
    int active() const { return active_; }
    void setActive(int number) { active_ = number; }

    std::size_t totalSize() const;
    // Entry number `row` counted over the lists in order 1..4 (the junk list's row). nullptr
    // when there is no such entry.
    const QueuedPath* atRow(std::size_t row) const;
    // Removes the entry of junk-list row `row`, wherever it lies; false when there is none.
    bool removeRow(std::size_t row);

private:
    std::array<std::vector<QueuedPath>, kCount> lists_;
    int active_ = 1;
};

} // namespace cleaner
