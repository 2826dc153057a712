#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Drive letters mapped onto host directories, read as Wine does from a dosdevices folder of
// symlinks named "c:", "d:", ...: first <installation directory>/dosdevices, then
// $WINEPREFIX/dosdevices (default ~/.wine). Without either, the only drive is C: -> /.
namespace platform {

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Network, CdRom, RamDisk };

struct Drive {
    char letter = 'c';            // lower case
    std::filesystem::path target; // host directory the letter points at
};

class DriveTable {
public:
    // Reads the table for the current installation directory and environment.
    static DriveTable load();
    // A table given explicitly (tests, or a table read elsewhere).
    explicit DriveTable(std::vector<Drive> drives, std::filesystem::path prefix = {});
    DriveTable() = default;

    const std::vector<Drive>& drives() const { return drives_; }
    // The drive's host directory; nullopt for a letter not in the table (case ignored).
    std::optional<std::filesystem::path> target(char letter) const;
    // The Wine prefix owning the table (the parent of dosdevices), empty when none.
    const std::filesystem::path& prefix() const { return prefix_; }

    // Drive type by the mount holding the drive's target (see DriveType).
    DriveType driveType(char letter) const;
    // Test seam: forces the type reported for one letter.
    void overrideDriveType(char letter, DriveType type);

    // A host path expressed through the drive whose target is its longest prefix:
    // "/home/u/Desktop" -> "C:\home\u\Desktop". nullopt when no drive holds it.
    std::optional<std::string> windowsPathFor(const std::filesystem::path& hostPath) const;

private:
    std::vector<Drive> drives_;
    std::filesystem::path prefix_;
    std::map<char, DriveType> typeOverrides_;
};

} // namespace platform
