#pragma once

#include "platform/drive_table.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The subfolders of one folder, as the folder controls (tree, directory list) show them.
namespace platform {

struct Subfolder {
    std::string name;
    // A symbolic link to a directory. The controls show it (a Wine prefix links Desktop and
    // Documents this way) but treat it as a leaf: nothing below a link is listed, so no folder
    // offered for picking lies behind a link the walks would not follow.
    bool isLink = false;
};

// The subdirectories of the Windows path's folder (links to directories marked), hidden ones
// (leading ".") left out, sorted with letter case ignored. Empty when the folder cannot be
// listed (unknown drive, vanished target, no permission).
std::vector<Subfolder> listSubfolders(const DriveTable& drives, std::string_view windowsDir);

// The same for a host directory (a network share's mount point and the folders below it).
std::vector<Subfolder> listSubfolders(const std::filesystem::path& hostDir);

} // namespace platform
