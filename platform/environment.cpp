#include "platform/environment.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {
namespace {

// An XDG variable counts only when set to an absolute path, as the base directory rules say.
fs::path xdgDirectory(const char* variable, const char* fallbackBelowHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return value;
    return homeDirectory() / fallbackBelowHome;
}

} // namespace

fs::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && home[0] != '\0')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

fs::path configHome() {
    return xdgDirectory("XDG_CONFIG_HOME", ".config");
}

fs::path dataHome() {
    return xdgDirectory("XDG_DATA_HOME", ".local/share");
}

} // namespace platform
