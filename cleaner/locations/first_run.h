#pragma once

#include "cleaner/locations/location_list.h"
#include "platform/drive_table.h"

#include <string>
#include <vector>

// The default locations the first-run configuration and the profile button write for the
// logged-in user, per system family.
namespace cleaner {

struct DefaultProfileTable {
    std::vector<Location> locations;
    // Directories (no trailing backslash) whose attributes are reset, in order: the profile
    // containers first, then the locations marked for it.
    std::vector<std::string> resets;
};

// The table of a family for a drive letter ("C") and the user name field's text. Windows 9x/Me
// has 11 locations when its profiles folder exists, else 8; Windows 3.1 has none. On Windows
// NT/2000 the administrator marker stands for the profile folder "Administrator".
DefaultProfileTable defaultProfileTable(SystemFamily family, const std::string& drive,
                                        const std::string& userNameField,
                                        bool profilesFolderExists);

enum class ProfileOutcome {
    UnsupportedSystem, // Windows 3.1: nothing built
    NoUser,            // Windows 9x/Me without a user name: nothing built
    Win9xProfiles,     // Windows 9x/Me, 11 locations
    Win9xDefault,      // Windows 9x/Me without the profiles folder, 8 locations
    WinXP,
    WinNT,
};

struct BuiltProfile {
    ProfileOutcome outcome = ProfileOutcome::UnsupportedSystem;
    std::vector<Location> locations;
};

// Builds the family's defaults on the drive: tests for the 9x/Me profiles folder and resets the
// attributes of the table's directories (a missing directory is no error). Writes no file.
BuiltProfile buildDefaultProfile(const platform::DriveTable& drives, SystemFamily family,
                                 const std::string& drive, const std::string& userNameField);

// The drive letter of the user's Desktop folder as the drive table names it ("D" for a Desktop
// reached through D:). When there is no Desktop folder, or no drive holds it, "C": the drive the
// profile button always uses, so the defaults still name real system paths.
std::string desktopDriveLetter(const platform::DriveTable& drives);

} // namespace cleaner
