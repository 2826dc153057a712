#pragma once

#include "platform/drive_table.h"

#include <cstdint>
#include <optional>
#include <string>

// What the file properties window shows of one junk-list row, read anew from the disk.
namespace cleaner {

struct FileDetails {
    std::int64_t size = 0;
    std::string date;    // last write, short date
    std::string dosName; // the computed 8.3 alias; empty when the name already is one
};

// Looks the file up by directory (with its trailing backslash) and name; nullopt when there is
// no such entry or it is a directory.
std::optional<FileDetails> readFileDetails(const platform::DriveTable& drives,
                                           const std::string& directory, const std::string& name);

// "<bytes> B/ <KB> KB/<MB> MB", fractions dropped.
std::string sizeInThreeUnits(std::int64_t bytes);

} // namespace cleaner
