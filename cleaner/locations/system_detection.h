#pragma once

#include "cleaner/locations/location_list.h"
#include "platform/system_info.h"

#include <optional>
#include <string>

// Which system family the cleaner works for, and how the first page names it.
namespace cleaner {

struct DetectedSystem {
    std::optional<SystemFamily> family; // nullopt: a platform id outside the four families
    std::string label;                  // "Twój system operacyjny: [...] 5.1 (Wersja: 2600)"
};

// From the Windows version of the drive table's prefix; without one (a Linux host) the XP rules
// apply and the label tells the truth about the kernel.
DetectedSystem detectSystem(const std::optional<platform::OsVersion>& windows,
                            const platform::KernelVersion& kernel);

inline constexpr const char* kAdministratorMarker =
    "Administrator lub błędnie utworzony użytkownik";

// The text of the hidden user name field for a login name.
std::string userNameField(const std::string& loginName);

} // namespace cleaner
