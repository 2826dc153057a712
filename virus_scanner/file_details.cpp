#include "virus_scanner/file_details.h"

#include "common/letter_case.h"
#include "platform/date_format.h"
#include "platform/directory_walk.h"
#include "platform/file_ops.h"
#include "platform/short_name.h"

#include <algorithm>
#include <vector>

namespace virkil {

std::string sizeText(long long bytes) {
    const long long kilobytes = bytes / 1024;
    return std::to_string(bytes) + " B/ " + std::to_string(kilobytes) + " KB/" +
           std::to_string(kilobytes / 1024) + " MB";
}

std::string fileTypeText(std::string_view path) {
    struct Type {
        std::string_view extension;
        std::string_view text;
    };
    static constexpr Type types[] = {
        {"EXE", "Plik wykonywalny"},
        {"COM", "Plik wykonywalny znany z MS DOS"},
        {"BAT", "Plik wsadowy (Język powłoki Windows)"},
        {"CAB", "Plik skompresowany firmy Microsoft)"},
        {"DLL", "Plik biblioteli ladowanej dynamiczne"},
        {"OCX", "Plik kontroli ActiveX"},
        {"VBS", "Plik języka skryptowego Visual Basic Script"},
    };
    if (path.size() < 3)
        return {};
    const std::string extension = common::toUpperAscii(path.substr(path.size() - 3));
    for (const Type& type : types) {
        if (type.extension == extension)
            return std::string(type.text);
    }
    return {};
}

namespace {

// The names of the files in one directory, for numbering the short alias against them.
class NameCollector : public platform::WalkVisitor {
public:
    platform::WalkControl enterDirectory(const std::string&) override {
        return platform::WalkControl::Continue;
    }
    platform::WalkControl file(const std::string&, const platform::WalkEntry& entry) override {
        names.emplace_back(entry.name());
        return platform::WalkControl::Continue;
    }
    std::vector<std::string> names;
};

} // namespace

std::optional<FileDetails> fileDetails(const platform::DriveTable& drives,
                                       const std::string& path) {
    const std::optional<platform::FileInfo> info = platform::fileInfo(drives, path);
    if (!info || info->isDirectory)
        return std::nullopt;
    const std::size_t slash = path.rfind('\\');
    const std::string directory =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);

    NameCollector siblings;
    platform::walkDirectory(drives, directory, false, siblings);
    // The names before it take the lower alias numbers; sorted so the alias is the same each
    // time the window is opened.
    std::sort(siblings.names.begin(), siblings.names.end());

    FileDetails details;
    details.size = sizeText(info->size);
    details.dosName = platform::shortName(name, siblings.names);
    details.modified = platform::shortDate(info->lastWrite);
    return details;
}

std::optional<std::string> folderRefusal(std::string_view chosen) {
    if (chosen.empty())
        return std::string("Nie wybrano żadnego katalogu");
    // Only a drive path ("C:\...") passes: network paths and virtual folders are refused.
    if (chosen.size() < 3 || chosen[2] != '\\')
        return std::string(chosen) + " nie jest katalogiem";
    return std::nullopt;
}

} // namespace virkil
