#pragma once

#include "cleaner/junk/path_lists.h"
#include "platform/drive_table.h"

#include <cstdint>
#include <string>

// The walk of one junk location: every file matching the location's mask becomes a junk row and
// a queued path. The window supplies a sink that shows rows and texts and answers the stop flag.
namespace cleaner {

struct JunkRow {
    std::string directory; // with trailing backslash
    std::string name;
    std::string date; // last write, short date
    std::int64_t kilobytes = 0;
};

class JunkSearchSink {
public:
    virtual ~JunkSearchSink() = default;
    // Process pending window messages (after every file and directory).
    virtual void pump() = 0;
    virtual bool stopRequested() = 0;
    // Read before every file: skip files named index.dat and reset the others' attributes.
    virtual bool ignoreIndexDat() = 0;
    virtual void record(const JunkRow& row) = 0;
    // The status text "Skanowanie: <path>".
    virtual void scanning(const std::string& text) = 0;
};

class JunkSearch {
public:
    explicit JunkSearch(const platform::DriveTable& drives) : drives_(drives) {}

    // Clears the counters and path lists for a new search: the file counter starts at 1.
    void reset();
    // Walks one location; returns when done or when the sink asks to stop.
    void fileSearch(const std::string& directory, const std::string& mask, bool recurse,
                    JunkSearchSink& sink);

    std::int32_t fileCounter() const { return fileCounter_; }
    std::int64_t currentKilobytes() const { return currentKilobytes_; }
    std::int64_t totalKilobytes() const { return totalKilobytes_; }
    PathLists& paths() { return paths_; }
    const PathLists& paths() const { return paths_; }
    const platform::DriveTable& drives() const { return drives_; }

private:
    friend class JunkWalkVisitor;
    const platform::DriveTable& drives_;
    std::int32_t fileCounter_ = 0;
    std::int64_t currentKilobytes_ = 0;
    std::int64_t totalKilobytes_ = 0;
    PathLists paths_;
};

// "0" + text when the text is exactly one character long (the search clock's two digits).
std::string Czy_jeden_znak(const std::string& text);

// The search clock: hours, minutes, seconds after one more tick, and its text "hh:mm:ss".
struct SearchClock {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    void tick();
    std::string text() const;
};

} // namespace cleaner
