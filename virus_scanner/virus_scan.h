#pragma once

#include "platform/drive_table.h"
#include "virus_scanner/virus_list.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The virus scan: a walk of one drive or folder reporting every file with one of the seven
// scanned extensions whose whole name is on the virus list (a-z compared without case). The
// window supplies a sink that pumps messages, answers the stop flag and shows what is found.
namespace virkil {

// A found file and the length of the walk's start directory, below which its deletion follows
// no link.
struct FoundFile {
    std::string path;
    std::size_t trustedPrefixLength = 0;
};

class ScanSink {
public:
    virtual ~ScanSink() = default;
    // Process pending window messages: after every file and directory of the walk.
    virtual void pump() = 0;
    // The same, asked twice per list entry by the name check; a window may process messages
    // here at a bounded rate instead of every time.
    virtual void pumpDuringCheck() { pump(); }
    virtual bool stopRequested() = 0;
    // The name check's progress bar: position among maximum entries.
    virtual void checkProgress(std::size_t position, std::size_t maximum) = 0;
    virtual void found(const FoundFile& file) = 0;
    // The status line "Skanowanie: <directory>".
    virtual void scanning(const std::string& text) = 0;
};

// Sprawdzenie: whether the file name equals some entry of the list apart from the case of a-z.
// Goes through the entries in order, pumping and checking the stop flag at each (a stop
// answers no).
bool Sprawdzenie(const VirusList& list, std::string_view fileName, ScanSink& sink);

// FileSearch: walks the Windows path (a drive root such as "c:\" or a folder), with its
// subdirectories when recurse is set, until done or stopped.
void FileSearch(const platform::DriveTable& drives, const VirusList& list,
                const std::string& startPath, bool recurse, ScanSink& sink);

// Deletes every found file in order; returns the paths that could not be deleted. progress is
// called with each entry's index after its deletion.
std::vector<std::string> deleteFoundFiles(const platform::DriveTable& drives,
                                          const std::vector<FoundFile>& files,
                                          const std::function<void(std::size_t)>& progress = {});
// Deletes one found file; false when it could not be deleted.
bool deleteFoundFile(const platform::DriveTable& drives, const FoundFile& file);

} // namespace virkil
