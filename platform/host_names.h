#pragma once

#include "platform/drive_table.h"
#include "platform/mount_table.h"
#include "platform/windows_path.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Internal helpers of the platform layer: looking names up on the host as Windows would.
namespace platform {

// The name of the entry of the directory dirfd that stands for `name`: the name itself when such
// an entry exists (not following a link), else the first entry, in byte order, equal to it with
// a-z case ignored. nullopt when there is none or the directory cannot be read.
std::optional<std::string> findEntryName(int dirfd, std::string_view name);

// A Windows path taken apart: the host directory its drive or share stands for, and the
// components below it ("." dropped, ".." taking back one component but never above the root).
struct WindowsPathParts {
    std::filesystem::path root;
    std::vector<std::string> components;
};
std::optional<WindowsPathParts> parseWindowsPath(const DriveTable& drives,
                                                 std::string_view windowsPath);

// Length of the drive or share part of a Windows path ("C:" 2, "\\srv\share" 11); 0 when the
// path is not absolute.
std::size_t windowsRootLength(std::string_view windowsPath);

// The network shares among the given mounts and the GVFS mounts in gvfsDirectory.
std::vector<NetworkShare> networkSharesFrom(const std::vector<Mount>& mounts,
                                            const std::filesystem::path& gvfsDirectory);

} // namespace platform
