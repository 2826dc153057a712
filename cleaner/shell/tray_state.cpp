#include "cleaner/shell/tray_state.h"

#include "common/install_dir.h"
#include "platform/environment.h"

#include <filesystem>

namespace cleaner {

bool trayCommandAvailable() {
    std::error_code error;
    const auto entry = platform::configHome() / "autostart" / "Brudex.desktop";
    return std::filesystem::exists(entry, error) && !common::dataFileExists("mies.dat");
}

} // namespace cleaner
