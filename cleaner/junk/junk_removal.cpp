#include "cleaner/junk/junk_removal.h"

#include "platform/file_ops.h"

#include <algorithm>

namespace cleaner {

std::vector<std::string> removeQueued(const platform::DriveTable& drives, const PathLists& paths,
                                      const RemovalProgress& progress) {
    std::vector<std::string> failed;
    const int active = paths.active();
    if (active < 1 || active > PathLists::kCount)
        return failed;
    // Files of one directory come one after another: its descriptor is opened once for them.
    platform::DeletionCache directories;
    for (int number = 1; number <= active; ++number) {
        const auto& list = paths.list(number);
        if (progress.listStarted)
            progress.listStarted(number, list.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            const QueuedPath& entry = list[i];
            if (platform::deleteFile(drives, entry.path, entry.trustedPrefix, &directories))
                failed.push_back(entry.path);
            if (progress.tried)
                progress.tried(i);
        }
    }
    return failed;
}

namespace {

// The queued entry of a row, only when it names the file the row shows.
const QueuedPath* matchingEntry(const PathLists& paths, std::size_t row,
                                const std::string& listedPath) {
    const QueuedPath* entry = paths.atRow(row);
    return entry && entry->path == listedPath ? entry : nullptr;
}

} // namespace

RowDeletion deleteRow(const platform::DriveTable& drives, PathLists& paths, std::size_t row,
                      const std::string& listedPath) {
    const QueuedPath* entry = matchingEntry(paths, row, listedPath);
    if (!entry)
        return {listedPath, std::make_error_code(std::errc::invalid_argument)};
    RowDeletion result{entry->path,
                       platform::deleteFile(drives, entry->path, entry->trustedPrefix)};
    if (!result.error)
        paths.removeRow(row);
    return result;
}

bool keepRow(PathLists& paths, std::size_t row, const std::string& listedPath) {
    return matchingEntry(paths, row, listedPath) && paths.removeRow(row);
}

std::string lastThreeCharacters(const std::string& text) {
    std::size_t start = text.size();
    for (int characters = 0; characters < 3 && start > 0;) {
        --start;
        // A UTF-8 continuation byte belongs to the character before it.
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80)
            ++characters;
    }
    return text.substr(start);
}

std::vector<std::size_t> filterByExtension(PathLists& paths, const std::string& filter) {
    std::vector<std::size_t> dropped;
    std::size_t firstRow = 0;
    for (int number = 1; number <= PathLists::kCount; ++number) {
        auto& list = paths.list(number);
        std::vector<QueuedPath> kept;
        kept.reserve(list.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (lastThreeCharacters(list[i].path) == filter)
                kept.push_back(std::move(list[i]));
            else
                dropped.push_back(firstRow + i);
        }
        firstRow += list.size();
        list = std::move(kept);
    }
    return dropped;
}

} // namespace cleaner
