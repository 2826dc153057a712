#pragma once

#include "cleaner/junk/path_lists.h"
#include "platform/drive_table.h"

#include <cstddef>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

// Deleting what the junk search queued, and narrowing the queue. Every deletion goes through
// platform::deleteFile with the walked location's trusted prefix, so nothing outside a location
// can be reached through a link swapped in after the search.
namespace cleaner {

// What the removal reports while it deletes (both optional).
struct RemovalProgress {
    std::function<void(int list, std::size_t count)> listStarted; // list 1..4 and its size
    std::function<void(std::size_t index)> tried;                 // entry index in that list
};

// Deletes every entry of the path lists 1 up to the active one, in order. Returns the paths that
// could not be deleted, in the order they were tried. An active list outside 1..4 deletes
// nothing. The lists themselves are left as they are.
std::vector<std::string> removeQueued(const platform::DriveTable& drives, const PathLists& paths,
                                      const RemovalProgress& progress = {});

// Result of deleting the file of one junk-list row.
struct RowDeletion {
    std::string path;      // the queued path of the row (empty when the row has none)
    std::error_code error; // empty on success
};

// Deletes the file queued for junk-list row `row` (looked up over all four lists) and, on
// success, takes it out of the queue. `listedPath` is what the row shows (directory + name): a
// row whose queued path differs is refused, so a row never deletes another row's file.
RowDeletion deleteRow(const platform::DriveTable& drives, PathLists& paths, std::size_t row,
                      const std::string& listedPath);

// Takes the file of junk-list row `row` out of the queue; false when the row has no entry or its
// queued path differs from listedPath.
bool keepRow(PathLists& paths, std::size_t row, const std::string& listedPath);

// The extension filter: keeps only the queued paths whose last three characters equal `filter`
// exactly (letter case counts; a filter of another length keeps nothing). Returns the junk-list
// rows dropped, in ascending order; the active list is left as it was.
std::vector<std::size_t> filterByExtension(PathLists& paths, const std::string& filter);

// The last three characters (not bytes) of a UTF-8 text, or the whole text when shorter.
std::string lastThreeCharacters(const std::string& text);

} // namespace cleaner
