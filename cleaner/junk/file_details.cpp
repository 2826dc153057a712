#include "cleaner/junk/file_details.h"

#include "common/letter_case.h"
#include "platform/date_format.h"
#include "platform/directory_walk.h"
#include "platform/file_ops.h"
#include "platform/folder_listing.h"
#include "platform/short_name.h"

#include <algorithm>
#include <vector>

namespace cleaner {

namespace {

// Collects the names of the files of one directory.
class NameCollector : public platform::WalkVisitor {
public:
    explicit NameCollector(std::vector<std::string>& names) : names_(names) {}
    platform::WalkControl enterDirectory(const std::string&) override {
        return platform::WalkControl::Continue;
    }
    platform::WalkControl file(const std::string&, const platform::WalkEntry& entry) override {
        names_.emplace_back(entry.name());
        return platform::WalkControl::Continue;
    }

private:
    std::vector<std::string>& names_;
};

// Every name of the directory, the file's own among them, in the order their aliases are
// numbered. Creation order is not known here: names sorted with letter case ignored (the order
// an NTFS listing has) give every file of a directory its own alias, the same each time.
std::vector<std::string> siblingNames(const platform::DriveTable& drives,
                                      const std::string& directory) {
    std::vector<std::string> names;
    NameCollector collector(names);
    platform::walkDirectory(drives, directory, false, collector);
    for (const auto& folder : platform::listSubfolders(drives, directory))
        names.push_back(folder.name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string upperA = common::toUpperAscii(a), upperB = common::toUpperAscii(b);
        return upperA != upperB ? upperA < upperB : a < b;
    });
    return names;
}

} // namespace

std::optional<FileDetails> readFileDetails(const platform::DriveTable& drives,
                                           const std::string& directory, const std::string& name) {
    const auto info = platform::fileInfo(drives, directory + name);
    if (!info || info->isDirectory)
        return std::nullopt;
    FileDetails details;
    details.size = info->size;
    details.date = platform::shortDate(info->lastWrite);
    details.dosName = platform::shortName(info->name, siblingNames(drives, directory));
    return details;
}

std::string sizeInThreeUnits(std::int64_t bytes) {
    return std::to_string(bytes) + " B/ " + std::to_string(bytes / 1024) + " KB/" +
           std::to_string(bytes / 1048576) + " MB";
}

} // namespace cleaner
