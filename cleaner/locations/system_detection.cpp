#include "cleaner/locations/system_detection.h"

#include "common/letter_case.h"

#include <cstdio>

namespace cleaner {
namespace {

std::string versionLabel(const char* bracket, int major, int minor, int build) {
    char text[160];
    std::snprintf(text, sizeof text, "Twój system operacyjny: %s %d.%d (Wersja: %d)", bracket,
                  major, minor, build);
    return text;
}

} // namespace

DetectedSystem detectSystem(const std::optional<platform::OsVersion>& windows,
                            const platform::KernelVersion& kernel) {
    if (!windows)
        return {SystemFamily::WinXP,
                versionLabel("[Linux]", kernel.major, kernel.minor, kernel.patch)};
    const auto& v = *windows;
    switch (v.platformId) {
    case 0:
        return {SystemFamily::Win31, versionLabel("[Windows 3.1]", v.major, v.minor, v.build)};
    case 1:
        return {SystemFamily::Win9x, versionLabel("[Windows 9x/Me]", v.major, v.minor, v.build)};
    case 2: {
        // The version text's first three characters decide: only 5.1 is XP.
        const std::string version = std::to_string(v.major) + "." + std::to_string(v.minor);
        if (version.substr(0, 3) == "5.1")
            return {SystemFamily::WinXP, versionLabel("[Windows XP]", v.major, v.minor, v.build)};
        return {SystemFamily::WinNT, versionLabel("[Windows 2000]", v.major, v.minor, v.build)};
    }
    default:
        return {std::nullopt, {}};
    }
}

std::string userNameField(const std::string& loginName) {
    if (common::equalsIgnoreAsciiCase(loginName, "TProgressBar"))
        return kAdministratorMarker;
    return loginName;
}

} // namespace cleaner
