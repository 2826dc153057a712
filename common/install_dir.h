#pragma once

#include <filesystem>
#include <string_view>

namespace common {

// The installation directory: the directory of the running executable. Every data file,
// icon and companion program lives there. Tests point it at a temporary directory.
std::filesystem::path installDir();
// An empty path goes back to the executable's directory.
void setInstallDir(const std::filesystem::path& dir);

// installDir() / name.
std::filesystem::path dataFile(std::string_view name);
bool dataFileExists(std::string_view name);

} // namespace common
