#pragma once

#include <optional>
#include <string>
#include <string_view>

// The rules of the folder chooser's three modes: which tree it shows and which picked path it
// takes. Mode 1: a local directory for a new location; mode 2: a network share for the disk
// scanner; mode 3: a local directory for dynamic deletion.
namespace cleaner {

// The tree shows My Computer for the modes "1" and "3", the network neighbourhood for any
// other mode text.
bool chooserShowsNetwork(std::string_view modeText);

// The mode as a number; nullopt for a text that is not one of 1, 2, 3 (OK then does nothing).
std::optional<int> chooserMode(std::string_view modeText);

// nullopt when the mode takes the path; else the message to show (the window stays open).
// Modes 1 and 3 take a path whose third character is "\" (a drive path such as "C:\" or
// "C:\Temp"); mode 2 takes a path beginning with two backslashes.
std::optional<std::string> refusalOfChosenPath(int mode, std::string_view path);

} // namespace cleaner
