#pragma once

#include "platform/drive_table.h"
#include "platform/file_entry.h"

#include <optional>
#include <string_view>
#include <system_error>

// Single-file services on Windows paths.
namespace platform {

bool fileExists(const DriveTable& drives, std::string_view windowsPath);      // not a directory
bool directoryExists(const DriveTable& drives, std::string_view windowsPath);
std::optional<FileInfo> fileInfo(const DriveTable& drives, std::string_view windowsPath);
// "Attributes to archive only": gives the owner write permission. Never follows a link.
bool resetAttributes(const DriveTable& drives, std::string_view windowsPath);

// Deletes exactly the listed file. The first trustedPrefixLength bytes of windowsPath name the
// directory the walk started from (resolved as any path); every component below it is opened
// without following a symbolic link, so a directory swapped for a link after the walk cannot
// redirect the deletion. With trustedPrefixLength 0 only the drive itself is trusted.
// Refuses what is neither a regular file nor a link; fails on a read-only file, as on Windows.
std::error_code deleteFile(const DriveTable& drives, std::string_view windowsPath,
                           std::size_t trustedPrefixLength = 0);

} // namespace platform
