#include "platform/system_info.h"

#include "common/letter_case.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {
namespace {

using Values = std::map<std::string, std::string>; // value name (lower case) -> data

// The values of one key of a Wine registry file ("[Key\\Path] stamp" then "Name"="data" lines).
// Key names as written in the file, with doubled backslashes; letter case ignored.
std::optional<Values> readKey(const fs::path& file, std::string_view key) {
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    std::optional<Values> values;
    bool inside = false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[') {
            const std::size_t close = line.find(']');
            inside =
                close != std::string::npos &&
                common::equalsIgnoreAsciiCase(std::string_view(line).substr(1, close - 1), key);
            if (inside && !values)
                values.emplace();
            continue;
        }
        if (!inside || line.size() < 2 || line[0] != '"')
            continue;
        // "Name"="data" or "Name"=dword:0000000a; \\ and \" escaped inside the quotes.
        std::string name;
        std::size_t pos = 1;
        for (; pos < line.size() && line[pos] != '"'; ++pos) {
            if (line[pos] == '\\' && pos + 1 < line.size())
                ++pos;
            name += line[pos];
        }
        if (pos + 1 >= line.size() || line[pos + 1] != '=')
            continue;
        pos += 2;
        std::string data;
        if (pos < line.size() && line[pos] == '"') {
            for (++pos; pos < line.size() && line[pos] != '"'; ++pos) {
                if (line[pos] == '\\' && pos + 1 < line.size())
                    ++pos;
                data += line[pos];
            }
        } else {
            data = line.substr(pos);
        }
        (*values)[common::toLowerAscii(name)] = data;
    }
    return values;
}

std::optional<std::string> valueOf(const std::optional<Values>& values, const char* name) {
    if (!values)
        return std::nullopt;
    const auto found = values->find(name);
    if (found == values->end())
        return std::nullopt;
    return found->second;
}

// Leading decimal numbers of "4.10.2222" or "6.1.0-13-amd64".
std::vector<int> numbersOf(std::string_view text) {
    std::vector<int> numbers;
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        int value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && value < 100000000)
            value = value * 10 + (text[pos++] - '0');
        numbers.push_back(value);
        if (pos >= text.size() || text[pos] != '.')
            break;
        ++pos;
    }
    return numbers;
}

// "dword:0000000a" as written for numbers.
std::optional<int> dwordOf(const std::optional<std::string>& data) {
    if (!data || data->rfind("dword:", 0) != 0)
        return std::nullopt;
    try {
        return static_cast<int>(std::stoul(data->substr(6), nullptr, 16));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The Windows versions Wine can be told to pretend.
std::optional<OsVersion> wineVersion(std::string_view name) {
    static const std::map<std::string, OsVersion, std::less<>> versions{
        {"win31", {0, 3, 10, 0}},     {"win95", {1, 4, 0, 950}},      {"win98", {1, 4, 10, 2222}},
        {"winme", {1, 4, 90, 3000}},  {"nt351", {2, 3, 51, 1057}},    {"nt40", {2, 4, 0, 1381}},
        {"win2k", {2, 5, 0, 2195}},   {"winxp", {2, 5, 1, 2600}},     {"winxp64", {2, 5, 2, 3790}},
        {"win2003", {2, 5, 2, 3790}}, {"vista", {2, 6, 0, 6002}},     {"win2008", {2, 6, 0, 6002}},
        {"win7", {2, 6, 1, 7601}},    {"win2008r2", {2, 6, 1, 7601}}, {"win8", {2, 6, 2, 9200}},
        {"win81", {2, 6, 3, 9600}},   {"win10", {2, 10, 0, 19043}},   {"win11", {2, 10, 0, 22000}},
    };
    const auto found = versions.find(common::toLowerAscii(name));
    if (found == versions.end())
        return std::nullopt;
    return found->second;
}

} // namespace

std::optional<OsVersion> windowsVersion(const DriveTable& drives) {
    const fs::path& prefix = drives.prefix();
    if (prefix.empty())
        return std::nullopt;
    const fs::path system = prefix / "system.reg";
    // A version chosen for Wine itself (winecfg) wins over what the registry keys say.
    for (const fs::path& file : {prefix / "user.reg", system}) {
        if (const auto chosen = valueOf(readKey(file, "Software\\\\Wine"), "version")) {
            if (const auto version = wineVersion(*chosen))
                return version;
        }
    }
    const auto nt = readKey(system, "Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion");
    if (const auto current = valueOf(nt, "currentversion")) {
        const auto numbers = numbersOf(*current);
        if (!numbers.empty()) {
            OsVersion version{2, numbers[0], numbers.size() > 1 ? numbers[1] : 0, 0};
            // Windows 10 and later keep "6.3" there for old programs; the real numbers beside.
            if (const auto major = dwordOf(valueOf(nt, "currentmajorversionnumber"))) {
                version.major = *major;
                version.minor = dwordOf(valueOf(nt, "currentminorversionnumber")).value_or(0);
            }
            if (const auto build = valueOf(nt, "currentbuildnumber"); build) {
                const auto buildNumbers = numbersOf(*build);
                version.build = buildNumbers.empty() ? 0 : buildNumbers[0];
            }
            return version;
        }
    }
    const auto nine = readKey(system, "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion");
    if (const auto number = valueOf(nine, "versionnumber")) {
        const auto numbers = numbersOf(*number);
        if (!numbers.empty())
            return OsVersion{1, numbers[0], numbers.size() > 1 ? numbers[1] : 0,
                             numbers.size() > 2 ? numbers[2] : 0};
    }
    return std::nullopt;
}

KernelVersion kernelVersion() {
    utsname names{};
    if (uname(&names) != 0)
        return {};
    const auto numbers = numbersOf(names.release);
    KernelVersion version;
    version.major = numbers.size() > 0 ? numbers[0] : 0;
    version.minor = numbers.size() > 1 ? numbers[1] : 0;
    version.patch = numbers.size() > 2 ? numbers[2] : 0;
    return version;
}

std::string loginName() {
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
        return entry->pw_name;
    for (const char* variable : {"USER", "LOGNAME"}) {
        if (const char* value = std::getenv(variable); value && value[0] != '\0')
            return value;
    }
    return {};
}

} // namespace platform
