#include "cleaner/junk/junk_search.h"

#include "common/letter_case.h"
#include "platform/date_format.h"
#include "platform/directory_walk.h"
#include "platform/wildcard.h"

namespace cleaner {

using platform::WalkControl;

class JunkWalkVisitor : public platform::WalkVisitor {
public:
    JunkWalkVisitor(JunkSearch& search, const std::string& mask, std::uint32_t trustedPrefix,
                    JunkSearchSink& sink)
        : search_(search), mask_(mask), trustedPrefix_(trustedPrefix), sink_(sink) {}

    WalkControl enterDirectory(const std::string&) override {
        sink_.pump();
        return WalkControl::Continue;
    }

    WalkControl file(const std::string& base, const platform::WalkEntry& entry) override {
        if (!mask_.matches(entry.name()))
            return WalkControl::Continue;
        sink_.pump();
        if (sink_.ignoreIndexDat()) {
            if (common::equalsIgnoreAsciiCase(entry.name(), "index.dat"))
                return WalkControl::Continue;
            ++search_.fileCounter_;
            sink_.pump();
            if (sink_.stopRequested())
                return WalkControl::Stop;
            // One look at the file serves both: only a read-only file needs its reset, and
            // giving the owner write permission changes neither its size nor its date. A file
            // that vanished since its directory was read is not recorded.
            platform::FileInfo info;
            if (entry.info(info)) {
                if (info.readOnly)
                    entry.resetAttributes();
                record(base, entry.name(), info);
            }
        } else {
            ++search_.fileCounter_;
            if (sink_.stopRequested())
                return WalkControl::Stop;
            platform::FileInfo info;
            if (entry.info(info))
                record(base, entry.name(), info);
        }
        sink_.pump();
        return WalkControl::Continue;
    }

    WalkControl beforeSubdirectory(const std::string&, std::string_view) override {
        return sink_.stopRequested() ? WalkControl::Stop : WalkControl::Continue;
    }

    void afterSubdirectory(const std::string& base, std::string_view name) override {
        scanningText_.assign("Skanowanie: ").append(base).append(name);
        sink_.scanning(scanningText_);
    }

private:
    void record(const std::string& base, std::string_view name, const platform::FileInfo& info) {
        JunkRow row;
        row.directory = base;
        row.name = name;
        row.date = platform::shortDate(info.lastWrite);
        row.kilobytes = info.size / 1024;
        scanningText_.assign("Skanowanie: ").append(base).append(row.name);
        sink_.scanning(scanningText_);
        search_.paths_.add(search_.fileCounter_, {base + row.name, trustedPrefix_});
        search_.currentKilobytes_ = row.kilobytes;
        search_.totalKilobytes_ += row.kilobytes;
        sink_.record(row);
    }

    JunkSearch& search_;
    platform::Wildcard mask_;
    std::uint32_t trustedPrefix_;
    JunkSearchSink& sink_;
    std::string scanningText_;
};

void JunkSearch::reset() {
    fileCounter_ = 1;
    currentKilobytes_ = 0;
    totalKilobytes_ = 0;
    paths_.clear();
}

void JunkSearch::fileSearch(const std::string& directory, const std::string& mask, bool recurse,
                            JunkSearchSink& sink) {
    std::string base = directory;
    if (base.empty() || base.back() != '\\')
        base += '\\';
    JunkWalkVisitor visitor(*this, mask, static_cast<std::uint32_t>(base.size()), sink);
    if (!platform::walkDirectory(drives_, base, recurse, visitor))
        sink.pump();
}

std::string Czy_jeden_znak(const std::string& text) {
    return common::characterCount(text) == 1 ? "0" + text : text;
}

void SearchClock::tick() {
    if (seconds == 59) {
        seconds = 0;
        ++minutes;
        if (minutes == 60) {
            minutes = 0;
            ++hours;
        }
    } else {
        ++seconds;
    }
}

std::string SearchClock::text() const {
    return Czy_jeden_znak(std::to_string(hours)) + ":" + Czy_jeden_znak(std::to_string(minutes)) +
           ":" + Czy_jeden_znak(std::to_string(seconds));
}

} // namespace cleaner
