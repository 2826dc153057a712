#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The 8.3 alias Windows would give longName among the other names of its directory; empty when
// longName already is a valid 8.3 name.
std::string shortName(std::string_view longName, const std::vector<std::string>& siblingNames);

} // namespace platform
