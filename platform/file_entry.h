#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace platform {

// What the file system says of one entry, as a directory enumeration on Windows gives it.
struct FileInfo {
    std::string name;
    std::int64_t size = 0;     // bytes
    std::time_t lastWrite = 0; // seconds since the epoch
    bool isDirectory = false;
    bool isSymlink = false;
    bool readOnly = false; // the owner may not write
    bool hidden = false;   // the name starts with "."
};

} // namespace platform
