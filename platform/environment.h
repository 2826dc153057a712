#pragma once

#include <filesystem>

// The user's folders, read from the environment at each call so tests can point them elsewhere.
namespace platform {

std::filesystem::path homeDirectory(); // $HOME, else the password database
std::filesystem::path configHome();    // $XDG_CONFIG_HOME, default ~/.config
std::filesystem::path dataHome();      // $XDG_DATA_HOME, default ~/.local/share

} // namespace platform
