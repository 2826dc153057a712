#pragma once

#include "cleaner/locations/location_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rules of the location editor of the settings page.
namespace cleaner {

// The 47 ready-made masks offered for a new location, in list order.
const std::vector<std::string>& readyMadeMasks();

// The directory of a new location from the picked path: a drive root ("C:\", three characters)
// as it is, anything else with a backslash added.
std::string locationDirectory(std::string_view picked);

// A location the list file cannot hold as given: a character Windows-1250 lacks, or a "^" in
// the directory, which would move the rest of the directory into the mask when the list is read
// back. nullopt when it is fine, else the message to show; such a location is not added.
std::optional<std::string> unstorableLocation(const Location& location);

// Deletes prof.dat and the family's list file (none for Windows 3.1); a missing file is no
// error. Throws std::filesystem::filesystem_error when one cannot be deleted; prof.dat goes
// first, so a failure there leaves everything as it was.
void forgetAllLocations(SystemFamily family);

} // namespace cleaner
