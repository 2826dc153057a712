#pragma once

#include "platform/drive_table.h"

#include <optional>
#include <string>
#include <string_view>

// What the properties window and the folder picker of the virus scanner show and decide.
namespace virkil {

struct FileDetails {
    std::string size;     // "1536 B/ 1 KB/0 MB"
    std::string dosName;  // the 8.3 alias; empty when the name is a valid 8.3 name already
    std::string modified; // last write, short date
};

// The size line: bytes, " B/ ", kilobytes, " KB/", megabytes, " MB" (each truncated).
std::string sizeText(long long bytes);
// The type description by the path's last three characters, a-z compared without case; empty
// for an extension the scan never reports.
std::string fileTypeText(std::string_view path);
// Looks the found file up; nullopt when it no longer exists as a file.
std::optional<FileDetails> fileDetails(const platform::DriveTable& drives, const std::string& path);

// The folder picker's answer to OK for the chosen parsing name: nullopt when it is accepted as
// the scan target, otherwise the message to show.
std::optional<std::string> folderRefusal(std::string_view chosen);

} // namespace virkil
