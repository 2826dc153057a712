#include "cleaner/locations/location_list.h"

#include "common/text_file.h"

namespace cleaner {

std::string listFileName(SystemFamily family) {
    switch (family) {
    case SystemFamily::Win9x:
        return "lista.dat";
    case SystemFamily::WinXP:
        return "lista_XP.dat";
    case SystemFamily::WinNT:
        return "lista_NT.dat";
    case SystemFamily::Win31:
        break;
    }
    return {};
}

std::vector<Location> defaultLocations(SystemFamily family) {
    switch (family) {
    case SystemFamily::Win9x:
        return {{"C:\\Windows\\", "*.LOG"},
                {"C:\\Windows\\", "*.TMP"},
                {"C:\\Windows\\Temp\\", "*.*"},
                {"C:\\WINDOWS\\Historia\\History.IE5\\", "*.DAT"},
                {"C:\\Temp\\", "*.*"},
                {"C:\\WINDOWS\\Temporary Internet Files\\", "*.*"},
                {"C:\\WINDOWS\\Downloaded Program Files\\", "*.*"}};
    case SystemFamily::WinXP:
        return {{"C:\\Windows\\", "*.LOG"},     {"C:\\Windows\\", "*.TMP"},
                {"C:\\Windows\\Temp\\", "*.*"}, {"C:\\WINDOWS\\Historia\\History.IE5\\", "*.DAT"},
                {"C:\\Temp\\", "*.*"},          {"C:\\WINDOWS\\Downloaded Program Files\\", "*.*"}};
    case SystemFamily::WinNT:
        return {{"C:\\Winnt\\", "*.LOG"},     {"C:\\Winnt\\", "*.TMP"},
                {"C:\\Winnt\\Temp\\", "*.*"}, {"C:\\Winnt\\Historia\\History.IE5\\", "*.DAT"},
                {"C:\\Temp\\", "*.*"},        {"C:\\Winnt\\Downloaded Program Files\\", "*.*"}};
    case SystemFamily::Win31:
        break;
    }
    return {};
}

Location parseLocationLine(std::string_view line) {
    const auto caret = line.find('^');
    if (caret == std::string_view::npos)
        return {std::string(line), {}};
    return {std::string(line.substr(0, caret)), std::string(line.substr(caret + 1))};
}

std::string formatLocationLine(const Location& location) {
    return location.directory + "^" + location.mask;
}

std::vector<Location> readLocationFile(const std::filesystem::path& file) {
    std::vector<Location> locations;
    for (const auto& line : common::readLines(file)) {
        if (!line.empty())
            locations.push_back(parseLocationLine(line));
    }
    return locations;
}

void writeLocationFile(const std::filesystem::path& file, const std::vector<Location>& locations) {
    std::vector<std::string> lines;
    lines.reserve(locations.size());
    for (const auto& location : locations)
        lines.push_back(formatLocationLine(location));
    common::writeLines(file, lines);
}

} // namespace cleaner
