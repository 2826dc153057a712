#include "cleaner/disk_scanner/disk_scan.h"

#include "platform/date_format.h"
#include "platform/directory_walk.h"
#include "platform/file_ops.h"

namespace cleaner {

using platform::WalkControl;

class DiskScanVisitor : public platform::WalkVisitor {
public:
    DiskScanVisitor(DiskScan& scan, const SearchSet& masks, bool showSubdirectories,
                    std::uint32_t trustedPrefix, DiskScanSink& sink)
        : scan_(scan), masks_(masks), showSubdirectories_(showSubdirectories),
          trustedPrefix_(trustedPrefix), sink_(sink) {}

    WalkControl enterDirectory(const std::string&) override {
        sink_.pump();
        return WalkControl::Continue;
    }

    WalkControl file(const std::string& base, const platform::WalkEntry& entry) override {
        if (sink_.stopRequested())
            return WalkControl::Stop;
        sink_.pump();
        const std::string_view name = entry.name();
        text_.assign(base).append(name);
        platform::FileInfo info;
        // A file that vanished since the directory was read is passed over as not matching.
        if (masks_.matchesFileName(name) && entry.info(info)) {
            ++scan_.licznik_;
            entry.resetAttributes();
            if (scan_.licznik_ >= DiskScan::kMatchLimit) {
                sink_.pump();
                scan_.licznik_ = 0;
                sink_.limitReached();
                return WalkControl::Stop;
            }
            sink_.status(text_);
            DiskScanRow row;
            row.directory = base;
            row.name = name;
            row.date = platform::shortDate(info.lastWrite);
            row.kilobytes = info.size / 1024;
            row.trustedPrefix = trustedPrefix_;
            scan_.rozmiar_pliku_ = row.kilobytes;
            scan_.rozmiar_smietnika_ += row.kilobytes;
            sink_.record(std::move(row));
        } else {
            sink_.status(text_);
        }
        sink_.pump();
        return WalkControl::Continue;
    }

    WalkControl beforeSubdirectory(const std::string& base, std::string_view name) override {
        if (sink_.stopRequested())
            return WalkControl::Stop;
        if (showSubdirectories_) {
            text_.assign(base).append(name);
            sink_.status(text_);
        }
        return WalkControl::Continue;
    }

    void afterSubdirectory(const std::string&, std::string_view) override {
        if (showSubdirectories_)
            sink_.pump();
    }

private:
    DiskScan& scan_;
    const SearchSet& masks_;
    const bool showSubdirectories_;
    const std::uint32_t trustedPrefix_;
    DiskScanSink& sink_;
    std::string text_;
};

void DiskScan::walk(const std::string& path, bool recurse, bool showSubdirectories,
                    const SearchSet& masks, char currentDrive, DiskScanSink& sink) {
    sink.pump();
    std::string base = path;
    if (base.empty())
        base = std::string(1, currentDrive) + ":";
    if (base.back() != '\\')
        base += '\\';
    if (base.size() > UINT32_MAX)
        return;
    DiskScanVisitor visitor(*this, masks, showSubdirectories,
                            static_cast<std::uint32_t>(base.size()), sink);
    platform::walkDirectory(drives_, base, recurse, visitor);
}

std::string scanSummary(std::int32_t found, std::int64_t kilobytes) {
    return "Znaleziono: " + std::to_string(found) +
           " śmieci.  Rozmiar śmietnika: " + std::to_string(kilobytes) + " KB / " +
           std::to_string(kilobytes / 1024) + " MB";
}

void DiskScanResults::removeAt(std::size_t index) {
    if (index < rows_.size())
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void DiskScanResults::removeMarked(const std::vector<bool>& marked) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (i < marked.size() && marked[i])
            continue;
        if (kept != i)
            rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
}

void DiskScanResults::clear() {
    rows_.clear();
    rows_.shrink_to_fit();
}

int deleteListed(const platform::DriveTable& drives, const DiskScanResults& results,
                 const std::function<void(std::size_t)>& progress) {
    int failures = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (!deleteRow(drives, results[i]))
            ++failures;
        if (progress)
            progress(i);
    }
    return failures;
}

bool deleteRow(const platform::DriveTable& drives, const DiskScanRow& row) {
    return !platform::deleteFile(drives, row.path(), row.trustedPrefix);
}

bool filterKeeps(std::string_view path, std::string_view filter) {
    return lastCharacters(path, 3) == filter;
}

} // namespace cleaner
