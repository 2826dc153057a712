#pragma once

#include "platform/drive_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The shell services the programs ask for.
namespace platform {

// The shell's "open": a program "X.exe" of the installation directory (named by its full path
// or by its file name alone) starts the native "X" beside it; anything else (a Windows path, a
// folder, an http:/mailto: address) goes to xdg-open as one argument, never through a shell. A
// path is handed over as an absolute host path; an address beginning with "-" is refused. The
// result is not waited for; false when the target is unknown or the program could not start.
bool shellOpen(const DriveTable& drives, std::string_view target);
// Test seam: the program that opens documents and addresses (empty: xdg-open again).
void setOpenerProgram(std::string program);

// Empties the freedesktop Trash of the user: the home trash and the user's trash directories on
// the other mounts, never following a link inside them.
void emptyTrash();
// The trash directories emptyTrash() empties: the home trash, then on each mount point
// "$topdir/.Trash/$uid" (only when ".Trash" is a real directory with the sticky bit) and
// "$topdir/.Trash-$uid", each only when it is a real directory owned by the user.
std::vector<std::filesystem::path>
userTrashDirectories(const std::vector<std::filesystem::path>& mountPoints);
// Empties one trash directory: everything in files/, every info/*.trashinfo, directorysizes and a
// leftover expunged/. Directories are opened by descriptor without following links (links are
// removed as links) and made u+rwx before their contents go. files/ and info/ stay.
void emptyTrashDirectory(const std::filesystem::path& trashDirectory);

// Clears the desktop's list of recently used documents: recently-used.xbel becomes the empty
// list (mode 0600, replaced atomically) and the *.desktop files of RecentDocuments go.
void clearRecentDocuments();

// The user's Desktop folder on the host (XDG_DESKTOP_DIR, else ~/Desktop); nullopt when it
// does not exist.
std::optional<std::filesystem::path> desktopDirectory();

} // namespace platform
