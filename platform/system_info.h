#pragma once

#include "platform/drive_table.h"

#include <optional>
#include <string>

namespace platform {

// What GetVersionExA reports.
struct OsVersion {
    int platformId = 0; // 0 Win32s on 3.1, 1 Windows 9x/Me, 2 NT line
    int major = 0;
    int minor = 0;
    int build = 0;
};

// The Windows version of the prefix that owns the drive table, read from its registry files;
// nullopt when there is none (a Linux host outside the four families).
std::optional<OsVersion> windowsVersion(const DriveTable& drives);

struct KernelVersion {
    int major = 0;
    int minor = 0;
    int patch = 0;
};
KernelVersion kernelVersion();

// The login name of the process's user; empty when the platform cannot give one.
std::string loginName();

} // namespace platform
