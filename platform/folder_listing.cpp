#include "platform/folder_listing.h"

#include "common/letter_case.h"
#include "platform/windows_path.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace platform {

std::vector<Subfolder> listSubfolders(const DriveTable& drives, std::string_view windowsDir) {
    const auto host = resolveWindowsPath(drives, windowsDir);
    if (!host)
        return {};
    return listSubfolders(*host);
}

std::vector<Subfolder> listSubfolders(const fs::path& hostDir) {
    std::vector<Subfolder> folders;
    std::error_code ec;
    fs::directory_iterator it(hostDir, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.')
            continue;
        std::error_code statError;
        // symlink_status: a link is judged by itself first, then by what it points at.
        const bool isLink = it->is_symlink(statError);
        if (statError)
            continue;
        if (!it->is_directory(statError) || statError)
            continue; // files, links to files and dangling links
        folders.push_back({std::move(name), isLink});
    }
    std::sort(folders.begin(), folders.end(), [](const Subfolder& a, const Subfolder& b) {
        const std::string la = common::toLowerAscii(a.name);
        const std::string lb = common::toLowerAscii(b.name);
        return la != lb ? la < lb : a.name < b.name;
    });
    return folders;
}

} // namespace platform
