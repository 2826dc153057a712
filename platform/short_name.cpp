#include "platform/short_name.h"

#include "common/letter_case.h"

#include <unordered_set>

namespace platform {

namespace {

bool isShortNameCharacter(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    static constexpr std::string_view punctuation = "!#$%&'()-@^_`{}~";
    return punctuation.find(c) != std::string_view::npos;
}

// Upper-cased characters of part that may stand in a short name; the rest is dropped.
std::string shortNameCharacters(std::string_view part) {
    std::string kept;
    for (char c : common::toUpperAscii(part)) {
        if (isShortNameCharacter(c))
            kept += c;
    }
    return kept;
}

bool isValidShortName(std::string_view name) {
    const std::size_t period = name.find('.');
    if (period != std::string_view::npos && name.find('.', period + 1) != std::string_view::npos)
        return false;
    const std::string_view base = name.substr(0, period);
    const std::string_view extension =
        period == std::string_view::npos ? std::string_view() : name.substr(period + 1);
    if (base.empty() || base.size() > 8 || extension.size() > 3 ||
        (period != std::string_view::npos && extension.empty()))
        return false;
    for (char c : common::toUpperAscii(name)) {
        if (c != '.' && !isShortNameCharacter(c))
            return false;
    }
    return true;
}

std::string upper(std::string_view name) {
    return common::toUpperAscii(name);
}

// The alias of a long name, numbered past every name already taken (upper-cased).
std::string numberedAlias(std::string_view longName, const std::unordered_set<std::string>& taken) {
    std::string_view rest = longName;
    while (!rest.empty() && rest.front() == '.')
        rest.remove_prefix(1);
    const std::size_t lastPeriod = rest.rfind('.');
    std::string base = shortNameCharacters(rest.substr(0, lastPeriod));
    std::string extension;
    if (lastPeriod != std::string_view::npos)
        extension = shortNameCharacters(rest.substr(lastPeriod + 1)).substr(0, 3);
    const std::string suffix = extension.empty() ? std::string() : "." + extension;

    for (unsigned n = 1;; ++n) {
        const std::string tail = "~" + std::to_string(n);
        const std::string candidate =
            base.substr(0, 8 - std::min<std::size_t>(tail.size(), 8)) + tail + suffix;
        if (!taken.count(candidate))
            return candidate;
    }
}

} // namespace

std::string shortName(std::string_view longName, const std::vector<std::string>& siblingNames) {
    if (isValidShortName(longName))
        return {};

    // Every long name of the directory is taken; the siblings before longName got their aliases
    // first, as the older files of a directory did.
    std::unordered_set<std::string> taken;
    for (const std::string& sibling : siblingNames)
        taken.insert(upper(sibling));
    for (const std::string& sibling : siblingNames) {
        if (sibling == longName)
            break;
        if (!isValidShortName(sibling))
            taken.insert(numberedAlias(sibling, taken));
    }
    return numberedAlias(longName, taken);
}

} // namespace platform
