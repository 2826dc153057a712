#pragma once

#include "cleaner/disk_scanner/mask_sets.h"
#include "platform/drive_table.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The drive scan: walks a drive, a share or a folder for files whose extension is in the search
// set, resetting each match to "archive only" and handing it to the window as a row. The window
// supplies a sink that pumps messages, shows texts and rows and answers the stop flag.
namespace cleaner {

struct DiskScanRow {
    std::string directory; // with trailing backslash
    std::string name;
    std::string date; // last write, short date
    std::int64_t kilobytes = 0;
    // Bytes of the path naming the directory the walk started from: the deletion trusts only
    // those and follows no link below them.
    std::uint32_t trustedPrefix = 0;

    std::string path() const { return directory + name; }
};

class DiskScanSink {
public:
    virtual ~DiskScanSink() = default;
    // Process pending window messages (before and after every file).
    virtual void pump() = 0;
    virtual bool stopRequested() = 0;
    // The status line: every file examined and, with selected masks, every subdirectory.
    virtual void status(const std::string& text) = 0;
    virtual void record(DiskScanRow&& row) = 0;
    // The match limit was reached: the window shows its message and stops the scan.
    virtual void limitReached() = 0;
};

class DiskScan {
public:
    // Matches one scan may find; the one that reaches it is not listed.
    static constexpr std::int32_t kMatchLimit = 32735;

    explicit DiskScan(const platform::DriveTable& drives) : drives_(drives) {}

    // Szukaj (showSubdirectories false) and Szukaj2 (true): walks path, recursing when asked.
    // An empty path stands for the root of currentDrive. Unreadable, vanished and unreachable
    // directories add nothing.
    void walk(const std::string& path, bool recurse, bool showSubdirectories,
              const SearchSet& masks, char currentDrive, DiskScanSink& sink);

    void resetCounter() { licznik_ = 0; }
    void resetSizes() {
        rozmiar_pliku_ = 0;
        rozmiar_smietnika_ = 0;
    }
    std::int32_t licznik() const { return licznik_; }
    std::int64_t rozmiar_pliku() const { return rozmiar_pliku_; }
    std::int64_t rozmiar_smietnika() const { return rozmiar_smietnika_; }

private:
    friend class DiskScanVisitor;
    const platform::DriveTable& drives_;
    std::int32_t licznik_ = 0;
    std::int64_t rozmiar_pliku_ = 0;
    std::int64_t rozmiar_smietnika_ = 0;
};

// The summary "Znaleziono: N śmieci.  Rozmiar śmietnika: K KB / M MB".
std::string scanSummary(std::int32_t found, std::int64_t kilobytes);

// The rows of the result list; row i is entry i of the hidden path list.
class DiskScanResults {
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const DiskScanRow& operator[](std::size_t index) const { return rows_[index]; }
    void append(DiskScanRow&& row) { rows_.push_back(std::move(row)); }
    void removeAt(std::size_t index);
    // Removes the rows whose flag is set, in one pass.
    void removeMarked(const std::vector<bool>& marked);
    void clear();

private:
    std::vector<DiskScanRow> rows_;
};

// Deletes every listed file, in order, through the deletion that follows no link below the
// scanned directory; returns how many deletions failed. progress is told each index.
int deleteListed(const platform::DriveTable& drives, const DiskScanResults& results,
                 const std::function<void(std::size_t)>& progress);
bool deleteRow(const platform::DriveTable& drives, const DiskScanRow& row);

// The extension filter keeps a path whose last three characters equal the text exactly.
bool filterKeeps(std::string_view path, std::string_view filter);

} // namespace cleaner
