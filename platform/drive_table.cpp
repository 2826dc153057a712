#include "platform/drive_table.h"

#include "common/install_dir.h"
#include "platform/environment.h"
#include "platform/mount_table.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace fs = std::filesystem;

namespace platform {
namespace {

char lowerLetter(char letter) {
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

// The drives of a dosdevices folder: links named "x:" (other names, such as Wine's "c::" raw
// devices, are not drives).
std::vector<Drive> readDosDevices(const fs::path& folder) {
    std::vector<Drive> drives;
    std::error_code ec;
    const fs::path base = fs::canonical(folder, ec);
    if (ec)
        return drives;
    for (auto it = fs::directory_iterator(base, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const char letter = name.size() == 2 ? lowerLetter(name[0]) : 0;
        if (letter < 'a' || letter > 'z' || name[1] != ':')
            continue;
        std::error_code linkError;
        fs::path target = fs::read_symlink(it->path(), linkError);
        if (linkError)
            continue;
        if (target.is_relative())
            target = (base / target).lexically_normal();
        if (target.native().size() > 1 && target.native().back() == '/')
            target = target.parent_path();
        drives.push_back({letter, target});
    }
    std::sort(drives.begin(), drives.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    drives.erase(std::unique(drives.begin(), drives.end(),
                             [](const Drive& a, const Drive& b) { return a.letter == b.letter; }),
                 drives.end());
    return drives;
}

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool isRemovableDevice(unsigned major, unsigned minor) {
    if (major == 0)
        return false; // no block device behind (tmpfs, btrfs subvolumes, network)
    const std::string device =
        "/sys/dev/block/" + std::to_string(major) + ":" + std::to_string(minor);
    // A partition's flag lives on its disk, the directory above it.
    for (const char* flag : {"/removable", "/../removable"}) {
        std::ifstream in(device + flag);
        int removable = 0;
        if (in >> removable)
            return removable == 1;
    }
    return false;
}

DriveType typeOfMount(const Mount& mount) {
    const std::string& type = mount.fsType;
    if (type == "iso9660" || type == "udf")
        return DriveType::CdRom;
    if (type == "cifs" || type == "smb3" || type == "smbfs" || type == "nfs" || type == "nfs4" ||
        type == "fuse.sshfs")
        return DriveType::Network;
    if (type == "tmpfs" || type == "ramfs")
        return DriveType::RamDisk;
    if (isRemovableDevice(mount.major, mount.minor))
        return DriveType::Removable;
    return DriveType::Fixed;
}

} // namespace

DriveTable::DriveTable(std::vector<Drive> drives, fs::path prefix)
    : drives_(std::move(drives)), prefix_(std::move(prefix)) {
    for (Drive& drive : drives_)
        drive.letter = lowerLetter(drive.letter);
}

DriveTable DriveTable::load() {
    std::vector<fs::path> folders{common::installDir() / "dosdevices"};
    const char* winePrefix = std::getenv("WINEPREFIX");
    folders.push_back(
        (winePrefix && winePrefix[0] != '\0' ? fs::path(winePrefix) : homeDirectory() / ".wine") /
        "dosdevices");
    for (const fs::path& folder : folders) {
        if (isDirectory(folder))
            return DriveTable(readDosDevices(folder), folder.parent_path());
    }
    return DriveTable({{'c', "/"}});
}

std::optional<fs::path> DriveTable::target(char letter) const {
    letter = lowerLetter(letter);
    for (const Drive& drive : drives_) {
        if (drive.letter == letter)
            return drive.target;
    }
    return std::nullopt;
}

DriveType DriveTable::driveType(char letter) const {
    letter = lowerLetter(letter);
    if (const auto forced = typeOverrides_.find(letter); forced != typeOverrides_.end())
        return forced->second;
    const auto host = target(letter);
    if (!host)
        return DriveType::NoRootDir; // as Windows answers for a letter with no drive
    std::error_code ec;
    const fs::path canonical = fs::canonical(*host, ec);
    if (ec || !isDirectory(canonical))
        return DriveType::NoRootDir;
    const auto mounts = readMounts();
    const Mount* mount = mountHolding(mounts, canonical);
    return mount ? typeOfMount(*mount) : DriveType::Fixed;
}

void DriveTable::overrideDriveType(char letter, DriveType type) {
    typeOverrides_[lowerLetter(letter)] = type;
}

std::optional<std::string> DriveTable::windowsPathFor(const fs::path& hostPath) const {
    std::error_code ec;
    const fs::path host = fs::weakly_canonical(fs::absolute(hostPath, ec), ec);
    if (ec)
        return std::nullopt;
    const Drive* best = nullptr;
    fs::path bestRest;
    std::size_t bestLength = 0;
    for (const Drive& drive : drives_) {
        std::error_code targetError;
        const fs::path root = fs::weakly_canonical(drive.target, targetError);
        if (targetError)
            continue;
        // Whole components only: /data is not a prefix of /database.
        auto [rootEnd, hostIt] = std::mismatch(root.begin(), root.end(), host.begin(), host.end());
        if (rootEnd != root.end() && !(std::next(rootEnd) == root.end() && rootEnd->empty()))
            continue;
        const std::size_t length = root.native().size();
        if (best && length <= bestLength)
            continue;
        best = &drive;
        bestLength = length;
        bestRest = fs::path();
        for (; hostIt != host.end(); ++hostIt) {
            if (!hostIt->empty())
                bestRest /= *hostIt;
        }
    }
    if (!best)
        return std::nullopt;
    std::string windows{static_cast<char>(best->letter - 'a' + 'A'), ':', '\\'};
    bool first = true;
    for (const fs::path& component : bestRest) {
        if (!first)
            windows += '\\';
        windows += component.string();
        first = false;
    }
    return windows;
}

} // namespace platform
