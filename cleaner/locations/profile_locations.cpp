#include "cleaner/locations/profile_locations.h"

#include "common/letter_case.h"
#include "common/text_file.h"
#include "platform/file_ops.h"

#include <filesystem>

namespace cleaner {

namespace {

std::string withoutTrailingBackslash(const std::string& directory) {
    return directory.ends_with('\\') ? directory.substr(0, directory.size() - 1) : directory;
}

} // namespace

ProfileLocations profileLocations(ProfileLayout layout, std::string_view drive,
                                  std::string_view name) {
    const std::string d(drive);
    const std::string n(name);
    ProfileLocations profile;
    if (layout == ProfileLayout::NtXp) {
        const std::string user = d + ":\\Documents and Settings\\" + n;
        const std::string local = user + "\\Ustawienia lokalne";
        profile.locations = {{local + "\\Historia\\History.IE5\\", "*.DAT"},
                             {local + "\\Temporary Internet Files\\", "*.*"},
                             {local + "\\Temp\\", "*.*"},
                             {user + "\\Cookies\\", "*.*"},
                             {user + "\\Ulubione\\", "*.*"}};
        profile.resets = {user, local};
    } else {
        // The running 9x/Me system is always on drive C; another one on the drive chosen.
        const std::string root = layout == ProfileLayout::NineX ? std::string("C") : d;
        const std::string user = root + ":\\WINDOWS\\Profiles\\" + n;
        profile.locations = {{user + "\\Cookies\\", "*.*"},
                             {user + "\\Historia\\History.IE5\\", "*.DAT"},
                             {user + "\\Favorites\\", "*.*"}};
        profile.resets = {root + ":\\Windows\\Profiles", root + ":\\Windows\\Profiles\\" + n};
        if (layout == ProfileLayout::NineXOtherSystem) {
            profile.locations.push_back({root + ":\\WINDOWS\\Recent\\", "*.*"});
            profile.locations.push_back({root + ":\\WINDOWS\\", "*.LOG"});
            profile.locations.push_back({root + ":\\WINDOWS\\", "*.TMP"});
            profile.locations.push_back({root + ":\\Windows\\Temp\\", "*.*"});
        }
    }
    // The profile's own folders (the first three lines of a 9x/Me system, all five of NT).
    const std::size_t own = layout == ProfileLayout::NtXp ? 5 : 3;
    for (std::size_t i = 0; i < own; ++i)
        profile.resets.push_back(withoutTrailingBackslash(profile.locations[i].directory));
    return profile;
}

bool appendProfileLocations(const platform::DriveTable& drives,
                            const std::filesystem::path& listFile,
                            const ProfileLocations& profile) {
    for (const std::string& directory : profile.resets)
        platform::resetAttributes(drives, directory);
    std::error_code error;
    if (!std::filesystem::exists(listFile, error))
        return false;
    std::vector<std::string> lines;
    for (const Location& location : profile.locations)
        lines.push_back(formatLocationLine(location));
    common::appendLines(listFile, lines);
    return true;
}

bool isSystemFolderName(std::string_view name, bool refuseSystem) {
    for (const char* folder :
         {"Windows", "Documents and Settings", "Winnt", "System32", "Profiles"})
        if (name == folder)
            return true;
    if (refuseSystem && name == "System")
        return true;
    const std::string head = common::leftCharacters(name, 3);
    return common::characterCount(head) == 3 && head.back() == '\\';
}

std::optional<std::string> unstorableProfileName(std::string_view name) {
    if (common::fitsCp1250(name) && name.find('^') == std::string_view::npos)
        return std::nullopt;
    return "Nie można dopisać profilu: " + std::string(name) +
           "\nNazwa katalogu zawiera znaki, których nie można zapisać w liście katalogów";
}

std::string driveOfFirstLocation(const std::vector<Location>& locations) {
    if (locations.empty() || locations.front().directory.empty())
        return "C";
    return common::leftCharacters(locations.front().directory, 1);
}

} // namespace cleaner
