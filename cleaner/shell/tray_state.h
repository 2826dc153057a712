#pragma once

// Whether "Ukryj w zasobniku" may hand the program over to the launcher: only when the launcher
// starts with the system (its autostart entry exists) and no monthly reminder is set.
namespace cleaner {

bool trayCommandAvailable();

} // namespace cleaner
