#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The junk locations (directory + file-name mask) and their list files, one per system family.
namespace cleaner {

struct Location {
    std::string directory;
    std::string mask;
    bool operator==(const Location&) const = default;
};

// System family: 0 Windows 3.1, 1 Windows 9x/Me, 2 Windows XP, 3 Windows NT/2000.
enum class SystemFamily { Win31 = 0, Win9x = 1, WinXP = 2, WinNT = 3 };

// "lista.dat", "lista_XP.dat", "lista_NT.dat"; empty for Windows 3.1, which keeps no list.
std::string listFileName(SystemFamily family);
std::vector<Location> defaultLocations(SystemFamily family);

// A line "directory^mask": split at the first "^", nothing trimmed. A line without "^" is read
// as a directory with an empty mask, which matches nothing: the user sees it and can remove it,
// and it is not silently dropped from the file.
Location parseLocationLine(std::string_view line);
std::string formatLocationLine(const Location& location);

// Reads the list file's locations (empty lines skipped). Throws std::system_error.
std::vector<Location> readLocationFile(const std::filesystem::path& file);
// Replaces the list file. Throws std::system_error or common::EncodingError.
void writeLocationFile(const std::filesystem::path& file, const std::vector<Location>& locations);

} // namespace cleaner
