#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The mounts of the process (/proc/self/mountinfo), for drive types and network shares.
namespace platform {

struct Mount {
    unsigned major = 0;
    unsigned minor = 0;
    std::string mountPoint; // octal escapes (\040) decoded
    std::string fsType;
    std::string source;
};

// Parses the text of a mountinfo file; malformed lines are skipped.
std::vector<Mount> parseMountInfo(std::string_view text);
// The mounts of /proc/self/mountinfo; empty when it cannot be read.
std::vector<Mount> readMounts();
// The mount holding a canonical absolute path: the longest mount point that is a whole-component
// prefix of it (the later one when a point is mounted over). nullptr when none holds it.
const Mount* mountHolding(const std::vector<Mount>& mounts, const std::filesystem::path& path);

} // namespace platform
