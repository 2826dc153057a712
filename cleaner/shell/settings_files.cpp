#include "cleaner/shell/settings_files.h"

#include "common/install_dir.h"
#include "common/letter_case.h"
#include "common/text_file.h"
#include "platform/date_format.h"

#include <charconv>

namespace cleaner {
namespace {

constexpr const char* kOptionsFile = "ust.dat";
constexpr const char* kCleaningFile = "data.dat";
constexpr const char* kWindowStateFile = "Rozmiar.dat";

std::optional<long long> wholeNumber(const std::string& line) {
    // Leading and trailing blanks are tolerated, as a number conversion of the line would.
    const auto first = line.find_first_not_of(" \t");
    const auto last = line.find_last_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    long long value = 0;
    const char* begin = line.data() + first;
    const char* end = line.data() + last + 1;
    if (*begin == '+')
        ++begin;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<StoredOptions> readOptions() {
    const auto file = common::dataFile(kOptionsFile);
    if (!common::dataFileExists(kOptionsFile))
        return std::nullopt;
    const auto lines = common::readLines(file);
    StoredOptions options;
    for (std::size_t i = 0; i < options.size() && i < lines.size(); ++i) {
        if (const auto value = wholeNumber(lines[i]))
            options[i] = *value == 1;
    }
    return options;
}

void saveOptions(const std::array<bool, 4>& boxes) {
    std::vector<std::string> lines(4, "1");
    if (common::dataFileExists(kOptionsFile)) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            lines[i] = boxes[i] ? "1" : "0";
    }
    common::writeLines(common::dataFile(kOptionsFile), lines);
}

std::optional<std::string> readLastCleaningOrCreate() {
    if (!common::dataFileExists(kCleaningFile)) {
        common::writeLines(common::dataFile(kCleaningFile), {kNeverCleaned});
        return std::nullopt;
    }
    return common::readFirstLine(common::dataFile(kCleaningFile)).value_or(std::string());
}

std::string cleaningTimeText(std::time_t when) {
    return platform::shortDate(when) +
           "   Godz: " + common::leftCharacters(platform::longTime(when), 5);
}

void recordCleaning(std::time_t when) {
    const bool exists = common::dataFileExists(kCleaningFile);
    common::writeLines(common::dataFile(kCleaningFile),
                       {exists ? cleaningTimeText(when) : std::string(kNeverCleaned)});
}

bool readWindowMaximized() {
    if (!common::dataFileExists(kWindowStateFile))
        return false;
    const auto first = common::readFirstLine(common::dataFile(kWindowStateFile));
    return first && *first != "0";
}

void saveWindowState(bool maximizedOrMinimized) {
    const bool exists = common::dataFileExists(kWindowStateFile);
    common::writeLines(common::dataFile(kWindowStateFile),
                       {exists && maximizedOrMinimized ? "1" : "0"});
}

} // namespace cleaner
