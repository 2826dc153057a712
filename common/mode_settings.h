#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

// The stored settings of the operating modes, shared by the cleaner and the launcher: the
// launcher's autostart entry (the "Run entry"), mies.dat (month of the monthly reminder) and
// fast.dat (options of the automatic cleaning). The mode itself is never stored: it is derived
// from the Run entry and mies.dat.
namespace common {

// ---- The Run entry: $XDG_CONFIG_HOME/autostart/Brudex.desktop (default ~/.config). ----

std::filesystem::path autostartEntryPath();
// The launcher of this installation: installDir() / "Brudex".
std::filesystem::path launcherPath();

// The desktop entry that starts the launcher at log-on. The path is double-quoted in Exec when
// it holds a character the desktop entry rules reserve (a space among them), with `"`, `` ` ``,
// `$` and `\` escaped inside the quotes; "%" is doubled.
std::string autostartEntryText(const std::filesystem::path& launcher);

// True when the entry exists and its folder may be written. An autostart folder this user
// cannot write counts as no entry, so such a user always sees manual mode.
bool runEntryExists();
// Writes the entry only when runEntryExists() is false; an existing entry is never rewritten.
// Throws std::system_error with the system's text when it cannot be written.
void writeRunEntryIfAbsent();
// Removes the entry; a missing entry or a failure is silent.
void deleteRunEntry();

// ---- mies.dat: line 1 the reminder month, "01" to "12". ----

bool reminderMonthExists();
// Replaces mies.dat with the month as two digits ("01" for 1). Throws std::invalid_argument for
// a month outside 1..12, std::system_error when writing fails (the previous file stays whole).
void writeReminderMonth(int month);
// Replaces mies.dat with no line at all.
void writeEmptyReminderMonth();
// Line 1 as written, nullopt when the file is missing or empty. Throws std::system_error when
// it exists but cannot be read.
std::optional<std::string> readReminderMonth();
void deleteReminderMonth(); // silent when missing

// ---- fast.dat: the five options of the automatic cleaning. ----

struct FastOptions {
    bool searchAndRemove = true; // line 1
    bool emptyTrash = true;      // line 2
    bool clearRecent = true;     // line 3
    bool closeProgram = true;    // line 4
    int passes = 2;              // line 5, 1 to 10
    bool operator==(const FastOptions&) const = default;
};

bool fastOptionsExist();
// Replaces fast.dat with the five lines ("1"/"0" and the passes in decimal). Throws
// std::system_error when writing fails (the previous file stays whole).
void writeFastOptions(const FastOptions& options);
// The five lines as numbers, as the automatic run reads them: a line that is missing, empty or
// not a decimal integer gives nullopt, so its reader keeps the value it had. Lines after the
// fifth are ignored. nullopt when fast.dat is missing. Throws std::system_error when it exists
// but cannot be read.
std::optional<std::array<std::optional<long>, 5>> readFastOptions();
void deleteFastOptions(); // silent when missing

// ---- The mode, `Tryb_pracy`. ----

enum class Mode {
    Reczny,       // no Run entry (mies.dat ignored): manual work
    Przy_starcie, // Run entry, no mies.dat: the launcher starts with the session, waits in tray
    Miesieczny,   // Run entry and mies.dat: the launcher reminds once a month
};

Mode Tryb_pracy();

} // namespace common
