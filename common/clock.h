#pragma once

#include <ctime>
#include <functional>

// Today's date and time, replaceable so tests can fix "now".
namespace common {

std::time_t now();
// Installs a clock for tests; an empty function restores the system clock.
void setClock(std::function<std::time_t()> clock);

} // namespace common
