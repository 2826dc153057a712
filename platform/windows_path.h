#pragma once

#include "platform/drive_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Windows-style paths ("C:\Windows\Temp\x.tmp", "\\server\share\dir") on the host file system.
namespace platform {

// Splits at backslashes, dropping empty components ("C:\a\\b\" -> {"C:", "a", "b"}).
std::vector<std::string> splitWindowsPath(std::string_view path);

// Maps a Windows path onto the host: the drive (or the mount of a network share), then each
// component looked up with letter case ignored. Components that do not exist yet are appended
// as written. nullopt when the drive or share is unknown or the path is not absolute.
std::optional<std::filesystem::path> resolveWindowsPath(const DriveTable& drives,
                                                        std::string_view windowsPath);

// The mounted network shares (CIFS/SMB/NFS mounts of /proc/self/mountinfo, GVFS SMB mounts),
// as "\\server\share" with their mount points.
struct NetworkShare {
    std::string server;
    std::string share;
    std::filesystem::path mountPoint;
};
std::vector<NetworkShare> networkShares();

} // namespace platform
