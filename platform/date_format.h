#pragma once

#include <ctime>
#include <string>

// The user's date and time formats: the Polish defaults.
namespace platform {

std::string shortDate(std::time_t when); // yyyy-MM-dd, local time
std::string longTime(std::time_t when);  // HH:mm:ss, local time

} // namespace platform
