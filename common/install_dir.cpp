#include "common/install_dir.h"

#include <mutex>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace common {

namespace {

std::mutex installDirMutex;
std::optional<fs::path> chosenInstallDir;

fs::path executableDirectory() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error);
    return executable.parent_path();
}

} // namespace

fs::path installDir() {
    std::lock_guard lock(installDirMutex);
    if (!chosenInstallDir)
        chosenInstallDir = executableDirectory();
    return *chosenInstallDir;
}

void setInstallDir(const fs::path& dir) {
    std::lock_guard lock(installDirMutex);
    if (dir.empty())
        chosenInstallDir.reset();
    else
        chosenInstallDir = dir;
}

fs::path dataFile(std::string_view name) {
    return installDir() / fs::path(name);
}

bool dataFileExists(std::string_view name) {
    std::error_code error;
    return fs::exists(dataFile(name), error);
}

} // namespace common
