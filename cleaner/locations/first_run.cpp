#include "cleaner/locations/first_run.h"

#include "cleaner/locations/system_detection.h"
#include "platform/file_ops.h"
#include "platform/shell.h"

namespace cleaner {
namespace {

struct Row {
    const char* directory; // after "<drive>:\", "{u}" standing for the profile folder
    const char* mask;
    bool reset;
};

std::string expand(const std::string& drive, const std::string& profile, std::string_view text) {
    std::string result = drive + ":\\";
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text.substr(pos, 3) == "{u}") {
            result += profile;
            pos += 2;
        } else {
            result += text[pos];
        }
    }
    return result;
}

std::string withoutTrailingBackslash(std::string directory) {
    if (!directory.empty() && directory.back() == '\\')
        directory.pop_back();
    return directory;
}

} // namespace

DefaultProfileTable defaultProfileTable(SystemFamily family, const std::string& drive,
                                        const std::string& userNameField,
                                        bool profilesFolderExists) {
    std::vector<Row> rows;
    std::vector<const char*> containers;
    std::string profile = userNameField;
    switch (family) {
    case SystemFamily::Win31:
        return {};
    case SystemFamily::Win9x:
        containers = {"Windows\\Profiles", "Windows\\Profiles\\{u}"};
        rows = {{"Windows\\", "*.LOG", false},
                {"Windows\\", "*.TMP", false},
                {"Windows\\Temp\\", "*.*", true},
                {"Windows\\Recent\\", "*.*", true},
                {"WINDOWS\\Historia\\History.IE5\\", "*.DAT", true},
                {"Temp\\", "*.*", false},
                {"WINDOWS\\Temporary Internet Files\\", "*.*", true}};
        if (profilesFolderExists)
            rows.push_back({"WINDOWS\\Profiles\\{u}\\Cookies\\", "*.*", true});
        rows.push_back({"WINDOWS\\Downloaded Program Files\\", "*.*", true});
        if (profilesFolderExists) {
            rows.push_back({"WINDOWS\\Profiles\\{u}\\Historia\\History.IE5\\", "*.DAT", true});
            rows.push_back({"WINDOWS\\Profiles\\{u}\\Favorites\\", "*.*", true});
        }
        break;
    case SystemFamily::WinXP:
        containers = {"Documents and Settings", "Documents and Settings\\{u}",
                      "Documents and Settings\\{u}\\Ustawienia lokalne"};
        rows = {
            {"Windows\\", "*.LOG", false},
            {"Windows\\", "*.TMP", false},
            {"WINDOWS\\Historia\\History.IE5\\", "*.DAT", true},
            {"Temp\\", "*.*", false},
            {"WINDOWS\\Downloaded Program Files\\", "*.*", true},
            {"Documents and Settings\\{u}\\Ustawienia lokalne\\Historia\\History.IE5\\", "*.*",
             true},
            {"Documents and Settings\\{u}\\Ustawienia lokalne\\Temporary Internet Files\\", "*.*",
             true},
            {"Documents and Settings\\{u}\\Ustawienia lokalne\\Temp\\", "*.*", true},
            {"Documents and Settings\\{u}\\Cookies\\", "*.*", true},
            {"Documents and Settings\\{u}\\Recent\\", "*.*", true},
        };
        break;
    case SystemFamily::WinNT:
        if (userNameField == kAdministratorMarker)
            profile = "Administrator";
        containers = {"Documents and Settings", "Documents and Settings\\{u}",
                      "Documents and Settings\\{u}\\Ustawienia lokalne"};
        rows = {
            {"Winnt\\", "*.LOG", false},
            {"Winnt\\", "*.TMP", false},
            {"Winnt\\Historia\\History.IE5\\", "*.DAT", true},
            {"Temp\\", "*.*", false},
            {"Winnt\\Downloaded Program Files\\", "*.*", true},
            {"Documents and Settings\\{u}\\Ustawienia lokalne\\Historia\\History.IE5\\", "*.*",
             true},
            {"Documents and Settings\\{u}\\Ustawienia lokalne\\Temporary Internet Files\\", "*.*",
             true},
            {"Documents and Settings\\{u}\\Ustawienia lokalne\\Temp\\", "*.*", true},
            {"Documents and Settings\\{u}\\Cookies\\", "*.*", true},
            {"Documents and Settings\\{u}\\Ulubione\\", "*.*", true},
            {"Documents and Settings\\{u}\\Recent\\", "*.*", true},
        };
        break;
    }
    DefaultProfileTable table;
    for (const char* container : containers)
        table.resets.push_back(expand(drive, profile, container));
    for (const Row& row : rows) {
        table.locations.push_back({expand(drive, profile, row.directory), row.mask});
        if (row.reset)
            table.resets.push_back(withoutTrailingBackslash(table.locations.back().directory));
    }
    return table;
}

BuiltProfile buildDefaultProfile(const platform::DriveTable& drives, SystemFamily family,
                                 const std::string& drive, const std::string& userNameField) {
    bool profilesFolderExists = false;
    ProfileOutcome outcome = ProfileOutcome::UnsupportedSystem;
    switch (family) {
    case SystemFamily::Win31:
        return {ProfileOutcome::UnsupportedSystem, {}};
    case SystemFamily::Win9x:
        if (userNameField.empty())
            return {ProfileOutcome::NoUser, {}};
        profilesFolderExists = platform::directoryExists(drives, drive + ":\\Windows\\Profiles");
        outcome =
            profilesFolderExists ? ProfileOutcome::Win9xProfiles : ProfileOutcome::Win9xDefault;
        break;
    case SystemFamily::WinXP:
        outcome = ProfileOutcome::WinXP;
        break;
    case SystemFamily::WinNT:
        outcome = ProfileOutcome::WinNT;
        break;
    }
    const auto table = defaultProfileTable(family, drive, userNameField, profilesFolderExists);
    for (const std::string& directory : table.resets)
        platform::resetAttributes(drives, directory); // a missing directory is no error
    return {outcome, table.locations};
}

std::string desktopDriveLetter(const platform::DriveTable& drives) {
    if (const auto desktop = platform::desktopDirectory()) {
        if (const auto windowsPath = drives.windowsPathFor(*desktop);
            windowsPath && !windowsPath->empty())
            return windowsPath->substr(0, 1);
    }
    return "C";
}

} // namespace cleaner
