#include "common/mode_settings.h"

#include "common/install_dir.h"
#include "common/text_file.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace common {
namespace {

constexpr const char* kReminderFile = "mies.dat";
constexpr const char* kFastFile = "fast.dat";

// The base directory rules: XDG_CONFIG_HOME only when it is an absolute path, else ~/.config.
fs::path configHome() {
    if (const char* value = std::getenv("XDG_CONFIG_HOME"); value && value[0] == '/')
        return value;
    const char* home = std::getenv("HOME");
    return fs::path(home && home[0] != '\0' ? home : "/") / ".config";
}

// Characters that oblige an Exec argument to be quoted (the desktop entry rules).
bool needsQuoting(const std::string& text) {
    return text.find_first_of(" \t\n\"'\\><~|&;$*?#()`") != std::string::npos;
}

// The value escapes every string key of a desktop entry uses.
std::string escapeValue(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string execArgument(const std::string& path) {
    std::string argument;
    if (needsQuoting(path)) {
        argument = "\"";
        for (const char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                argument += '\\';
            argument += c;
        }
        argument += '"';
    } else {
        argument = path;
    }
    // A literal "%" would start a field code.
    std::string result;
    for (const char c : argument) {
        result += c;
        if (c == '%')
            result += '%';
    }
    return result;
}

void removeQuietly(const fs::path& file) {
    std::error_code ignored;
    // Never a directory: a folder standing where the file belongs is not ours to remove.
    if (fs::is_directory(fs::symlink_status(file, ignored)))
        return;
    fs::remove(file, ignored);
}

std::optional<long> decimal(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

fs::path autostartEntryPath() {
    return configHome() / "autostart" / "Brudex.desktop";
}

fs::path launcherPath() {
    return installDir() / "Brudex";
}

std::string autostartEntryText(const fs::path& launcher) {
    const std::string path = launcher.string();
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Brudex\n"
           "Exec=" +
           escapeValue(execArgument(path)) +
           "\n"
           "TryExec=" +
           escapeValue(path) + "\n";
}

bool runEntryExists() {
    const fs::path entry = autostartEntryPath();
    std::error_code error;
    if (!fs::exists(entry, error))
        return false;
    // The entry counts only where this user could also change it, as an opened key would.
    return ::access(entry.parent_path().c_str(), W_OK | X_OK) == 0;
}

void writeRunEntryIfAbsent() {
    if (runEntryExists())
        return;
    const fs::path entry = autostartEntryPath();
    std::error_code error;
    fs::create_directories(entry.parent_path(), error);
    if (error)
        throw std::system_error(error, "cannot write " + entry.string());
    replaceFile(entry, autostartEntryText(launcherPath()), 0644);
}

void deleteRunEntry() {
    removeQuietly(autostartEntryPath());
}

bool reminderMonthExists() {
    return dataFileExists(kReminderFile);
}

void writeReminderMonth(int month) {
    if (month < 1 || month > 12)
        throw std::invalid_argument("month out of range: " + std::to_string(month));
    const char digits[] = {static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10),
                           '\0'};
    writeLines(dataFile(kReminderFile), {digits});
}

void writeEmptyReminderMonth() {
    writeLines(dataFile(kReminderFile), {});
}

std::optional<std::string> readReminderMonth() {
    if (!reminderMonthExists())
        return std::nullopt;
    return readFirstLine(dataFile(kReminderFile));
}

void deleteReminderMonth() {
    removeQuietly(dataFile(kReminderFile));
}

bool fastOptionsExist() {
    return dataFileExists(kFastFile);
}

void writeFastOptions(const FastOptions& options) {
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    writeLines(dataFile(kFastFile),
               {flag(options.searchAndRemove), flag(options.emptyTrash), flag(options.clearRecent),
                flag(options.closeProgram), std::to_string(options.passes)});
}

std::optional<std::array<std::optional<long>, 5>> readFastOptions() {
    if (!fastOptionsExist())
        return std::nullopt;
    const auto lines = readLines(dataFile(kFastFile));
    std::array<std::optional<long>, 5> values;
    for (std::size_t i = 0; i < values.size() && i < lines.size(); ++i)
        values[i] = decimal(lines[i]);
    return values;
}

void deleteFastOptions() {
    removeQuietly(dataFile(kFastFile));
}

Mode Tryb_pracy() {
    if (!runEntryExists())
        return Mode::Reczny;
    return reminderMonthExists() ? Mode::Miesieczny : Mode::Przy_starcie;
}

} // namespace common
