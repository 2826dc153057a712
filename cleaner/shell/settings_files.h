#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>

// The main window's small settings files in the installation directory: ust.dat (the four
// option boxes), data.dat (time of the last cleaning) and Rozmiar.dat (window state).
namespace cleaner {

inline constexpr const char* kNeverCleaned = "JESZCZE NIE CZYSZCZONO";

// ust.dat, one value per option box. A missing file gives nullopt. A line that is not a whole
// number, and a line the file lacks, give a nullopt entry (the window keeps the value it last
// read for that box); "1" ticks, any other number unticks.
using StoredOptions = std::array<std::optional<bool>, 4>;
std::optional<StoredOptions> readOptions();
// Rewrites ust.dat with the boxes' states when it exists; creates it with four "1" otherwise.
void saveOptions(const std::array<bool, 4>& boxes);

// data.dat: its first line (empty when the file is empty), or nullopt when it is missing, in
// which case it is created with "JESZCZE NIE CZYSZCZONO".
std::optional<std::string> readLastCleaningOrCreate();
// Records a cleaning: "<short date>   Godz: <hh:mm>" when data.dat exists; otherwise creates it
// with "JESZCZE NIE CZYSZCZONO".
void recordCleaning(std::time_t when);
std::string cleaningTimeText(std::time_t when);

// Rozmiar.dat: true when it exists and its first line is not "0" (the window opens maximized).
bool readWindowMaximized();
// Rewrites Rozmiar.dat with "1"/"0" when it exists; creates it with "0" otherwise.
void saveWindowState(bool maximizedOrMinimized);

} // namespace cleaner
