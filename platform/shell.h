#pragma once

#include "platform/drive_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The shell services the programs ask for.
namespace platform {

// The shell's "open": a program "X.exe" of the installation directory starts the native "X"
// beside it; anything else (a Windows path, a folder, an http:/mailto: address) goes to xdg-open
// as one argument, never through a shell. The result is not waited for.
bool shellOpen(const DriveTable& drives, std::string_view target);

// Empties the freedesktop Trash of the user: the home trash and the user's trash directories on
// the other mounts, never following a link inside them.
void emptyTrash();

// Clears the desktop's list of recently used documents.
void clearRecentDocuments();

// The user's Desktop folder on the host (XDG_DESKTOP_DIR, else ~/Desktop); nullopt when it
// does not exist.
std::optional<std::filesystem::path> desktopDirectory();

} // namespace platform
