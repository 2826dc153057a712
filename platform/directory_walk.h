#pragma once

#include "platform/drive_table.h"
#include "platform/file_entry.h"

#include <string>
#include <string_view>

// The one walk engine of the programs: by directory descriptor, depth-first, files of a
// directory before its subdirectories, never following a symbolic link to a directory and never
// crossing into another mount below the starting directory. Depth is bounded by memory, not by
// the stack. Unreadable directories and vanishing entries are skipped silently.
namespace platform {

// One entry met by the walk. Cheap to pass; stat() is done only when asked for.
class WalkEntry {
public:
    virtual ~WalkEntry() = default;
    virtual std::string_view name() const = 0;
    // Full size, time and attributes (lstat: a link describes itself). false when the entry
    // vanished meanwhile.
    virtual bool info(FileInfo& out) const = 0;
    // Gives the owner write permission (the "archive only" reset); result ignored by callers.
    virtual bool resetAttributes() const = 0;
};

// Answers of a visitor.
enum class WalkControl { Continue, Stop };

class WalkVisitor {
public:
    virtual ~WalkVisitor() = default;
    // A directory is entered; windowsBase ends with a backslash. Stop ends the whole walk.
    virtual WalkControl enterDirectory(const std::string& windowsBase) = 0;
    // A non-directory entry of the current directory (regular file, or a link that does not
    // point at a directory); sockets, FIFOs and devices are never reported.
    virtual WalkControl file(const std::string& windowsBase, const WalkEntry& entry) = 0;
    // Asked before each subdirectory is descended (only when recursing).
    virtual WalkControl beforeSubdirectory(const std::string& windowsBase, std::string_view name) {
        (void)windowsBase;
        (void)name;
        return WalkControl::Continue;
    }
    // A subdirectory's walk has finished; also called when it could not be entered (gone,
    // replaced by a link, unreadable, another mount), so every beforeSubdirectory has its pair.
    virtual void afterSubdirectory(const std::string& windowsBase, std::string_view name) {
        (void)windowsBase;
        (void)name;
    }
};

// Walks the directory named by the Windows path. windowsBase is that path with a trailing
// backslash and is the prefix of every base reported. Returns false when the directory could not
// be opened (nothing reported), true otherwise (also when stopped).
bool walkDirectory(const DriveTable& drives, const std::string& windowsBase, bool recurse,
                   WalkVisitor& visitor);

} // namespace platform
