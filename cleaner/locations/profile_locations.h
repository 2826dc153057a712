#pragma once

#include "cleaner/locations/location_list.h"
#include "platform/drive_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The junk locations of one more user profile, appended to a location list file by the new user
// profile dialog and the other system profile dialog, and the tests a profile name must pass.
namespace cleaner {

enum class ProfileLayout {
    NineX,            // a further user of the running Windows 9x/Me: three lines on drive C
    NineXOtherSystem, // a user of a Windows 9x/Me on another drive: three lines + its Windows
    NtXp,             // a user of Windows NT/2000/XP: five lines under "Documents and Settings"
};

struct ProfileLocations {
    std::vector<Location> locations;
    // Directories whose attributes are reset (containers first), without trailing backslash.
    std::vector<std::string> resets;
};

// drive: the drive letter as one character ("C"); name: the profile folder name.
ProfileLocations profileLocations(ProfileLayout layout, std::string_view drive,
                                  std::string_view name);

// Resets the attributes of the directories (a missing one is no error), then appends the lines
// to the list file, only when that file exists. false when it does not. The file is replaced
// whole: throws common::EncodingError or std::system_error with the file unchanged.
bool appendProfileLocations(const platform::DriveTable& drives,
                            const std::filesystem::path& listFile, const ProfileLocations& profile);

// "Windows", "Documents and Settings", "Winnt", "System32", "Profiles" (exact letter case), a
// drive root entry such as "C:\" (third character "\"), and "System" too for a Windows 9x/Me of
// another system: folders that are no user profile.
bool isSystemFolderName(std::string_view name, bool refuseSystem);

inline constexpr const char* kNotAProfileMessage =
    "Katalog który wybrano nie jest zapisanym profilem użytkownika";

// A name the list file cannot hold as given: a character Windows-1250 lacks, or "^", which would
// split the directory from the mask when the list is read back. nullopt when the name is fine,
// else the message to show; nothing is written for such a name.
std::optional<std::string> unstorableProfileName(std::string_view name);

// The drive of the first location ("C" when the list is empty): where the profiles of the
// running NT-line system are looked for.
std::string driveOfFirstLocation(const std::vector<Location>& locations);

} // namespace cleaner
