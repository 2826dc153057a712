#pragma once

#include "platform/drive_table.h"
#include "platform/file_entry.h"

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// Single-file services on Windows paths.
namespace platform {

bool fileExists(const DriveTable& drives, std::string_view windowsPath); // not a directory
bool directoryExists(const DriveTable& drives, std::string_view windowsPath);
std::optional<FileInfo> fileInfo(const DriveTable& drives, std::string_view windowsPath);
// "Attributes to archive only": gives the owner write permission. Never follows a link.
bool resetAttributes(const DriveTable& drives, std::string_view windowsPath);

// Deletes exactly the listed file. The first trustedPrefixLength bytes of windowsPath name the
// directory the walk started from (resolved as any path); every component below it is opened
// without following a symbolic link, so a directory swapped for a link after the walk cannot
// redirect the deletion. With trustedPrefixLength 0 only the drive itself is trusted.
// Refuses what is neither a regular file nor a link; fails on a read-only file, as on Windows.
class DeletionCache;
std::error_code deleteFile(const DriveTable& drives, std::string_view windowsPath,
                           std::size_t trustedPrefixLength = 0, DeletionCache* cache = nullptr);

// Keeps the directories of the last deletion open, so that deleting the many files of one
// directory opens it once instead of once per file. A kept directory is reused only for the very
// same trusted directory and the very same path below it; it was opened without following a
// link, so a link swapped in later cannot redirect a deletion through it. Pass one cache to a
// run of deleteFile calls over the same drive table.
class DeletionCache {
public:
    DeletionCache() = default;
    ~DeletionCache();
    DeletionCache(const DeletionCache&) = delete;
    DeletionCache& operator=(const DeletionCache&) = delete;

private:
    friend std::error_code deleteFile(const DriveTable&, std::string_view, std::size_t,
                                      DeletionCache*);
    void reset(int& fd);
    const DriveTable* drives_ = nullptr;
    std::string trusted_; // Windows path of the trusted directory
    int trustedFd_ = -1;
    std::string below_; // the directories below it, as in the path
    int belowFd_ = -1;
};

} // namespace platform
