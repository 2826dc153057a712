#include "virus_scanner/virus_scan.h"

#include "common/letter_case.h"
#include "platform/directory_walk.h"
#include "platform/file_ops.h"

namespace virkil {

using platform::WalkControl;

bool Sprawdzenie(const VirusList& list, std::string_view fileName, ScanSink& sink) {
    const std::size_t count = list.size();
    sink.checkProgress(0, count);
    const std::string key = common::toUpperAscii(fileName);
    for (std::size_t i = 0; i < count; ++i) {
        sink.pumpDuringCheck();
        if (sink.stopRequested())
            return false;
        if (list.key(i) == key) {
            sink.checkProgress(0, count);
            return true;
        }
        sink.checkProgress(i, count);
        sink.pumpDuringCheck();
    }
    return false;
}

namespace {

class ScanVisitor : public platform::WalkVisitor {
public:
    ScanVisitor(const VirusList& list, std::size_t trustedPrefix, ScanSink& sink)
        : list_(list), trustedPrefix_(trustedPrefix), sink_(sink) {}

    WalkControl enterDirectory(const std::string&) override {
        sink_.pump();
        return WalkControl::Continue;
    }

    WalkControl file(const std::string& base, const platform::WalkEntry& entry) override {
        sink_.pump();
        if (sink_.stopRequested())
            return WalkControl::Stop;
        const std::string_view name = entry.name();
        if (hasScannedExtension(name) && Sprawdzenie(list_, name, sink_)) {
            FoundFile found;
            found.path.reserve(base.size() + name.size());
            found.path.append(base).append(name);
            found.trustedPrefixLength = trustedPrefix_;
            sink_.found(found);
            sink_.scanning(scanningText(base));
            sink_.pump();
        }
        sink_.pump();
        return WalkControl::Continue;
    }

    WalkControl beforeSubdirectory(const std::string&, std::string_view) override {
        return sink_.stopRequested() ? WalkControl::Stop : WalkControl::Continue;
    }

    void afterSubdirectory(const std::string& base, std::string_view) override {
        sink_.scanning(scanningText(base));
    }

private:
    const std::string& scanningText(const std::string& base) {
        text_.assign("Skanowanie: ").append(base);
        return text_;
    }

    const VirusList& list_;
    std::size_t trustedPrefix_;
    ScanSink& sink_;
    std::string text_;
};

} // namespace

void FileSearch(const platform::DriveTable& drives, const VirusList& list,
                const std::string& startPath, bool recurse, ScanSink& sink) {
    std::string base = startPath;
    if (base.empty() || base.back() != '\\')
        base += '\\';
    ScanVisitor visitor(list, base.size(), sink);
    if (!platform::walkDirectory(drives, base, recurse, visitor))
        sink.pump(); // an unreadable directory or a drive without media yields nothing
}

bool deleteFoundFile(const platform::DriveTable& drives, const FoundFile& file) {
    return !platform::deleteFile(drives, file.path, file.trustedPrefixLength);
}

std::vector<std::string> deleteFoundFiles(const platform::DriveTable& drives,
                                          const std::vector<FoundFile>& files,
                                          const std::function<void(std::size_t)>& progress) {
    std::vector<std::string> failures;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!deleteFoundFile(drives, files[i]))
            failures.push_back(files[i].path);
        if (progress)
            progress(i);
    }
    return failures;
}

} // namespace virkil
