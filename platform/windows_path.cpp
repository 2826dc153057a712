#include "platform/windows_path.h"

#include "common/letter_case.h"
#include "platform/host_names.h"
#include "platform/mount_table.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isDriveLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Closes a descriptor when leaving scope.
struct FdGuard {
    int fd;
    ~FdGuard() {
        if (fd >= 0)
            close(fd);
    }
};

// "\\server\share\rest": server and share, and the length of that prefix.
bool splitSharePath(std::string_view path, std::string& server, std::string& share,
                    std::size_t& length) {
    if (path.size() < 2 || !isSeparator(path[0]) || !isSeparator(path[1]))
        return false;
    std::size_t pos = 2;
    auto next = [&](std::string& out) {
        const std::size_t start = pos;
        while (pos < path.size() && !isSeparator(path[pos]))
            ++pos;
        out.assign(path.substr(start, pos - start));
        return !out.empty();
    };
    if (!next(server) || pos >= path.size())
        return false;
    ++pos;
    if (!next(share))
        return false;
    length = pos;
    return true;
}

void addNfsShare(const Mount& mount, std::vector<NetworkShare>& shares) {
    const std::size_t colon = mount.source.find(":/");
    if (colon == std::string::npos || colon == 0)
        return;
    std::string exported = mount.source.substr(colon + 2);
    while (!exported.empty() && exported.back() == '/')
        exported.pop_back();
    // A share is one name: an export such as /srv/data is offered by its last component.
    const std::size_t slash = exported.rfind('/');
    std::string share = slash == std::string::npos ? exported : exported.substr(slash + 1);
    if (share.empty())
        return;
    shares.push_back({mount.source.substr(0, colon), share, mount.mountPoint});
}

void addCifsShare(const Mount& mount, std::vector<NetworkShare>& shares) {
    std::string server, share;
    std::size_t length = 0;
    if (splitSharePath(mount.source, server, share, length))
        shares.push_back({server, share, mount.mountPoint});
}

// "smb-share:server=host,share=docs,user=u" as GVFS names its SMB mounts.
void addGvfsShare(const fs::path& mountPoint, std::vector<NetworkShare>& shares) {
    const std::string name = mountPoint.filename().string();
    const std::string_view kind = "smb-share:";
    if (name.compare(0, kind.size(), kind) != 0)
        return;
    std::string server, share;
    std::string_view rest = std::string_view(name).substr(kind.size());
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view pair = rest.substr(0, comma);
        const std::size_t equals = pair.find('=');
        if (equals != std::string_view::npos) {
            const std::string_view key = pair.substr(0, equals);
            if (key == "server")
                server = pair.substr(equals + 1);
            else if (key == "share")
                share = pair.substr(equals + 1);
        }
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    if (!server.empty() && !share.empty())
        shares.push_back({server, share, mountPoint});
}

} // namespace

std::optional<std::string> findEntryName(int dirfd, std::string_view name) {
    const std::string exact(name);
    struct stat st;
    if (fstatat(dirfd, exact.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return exact;
    // A descriptor of its own: reading must not move the caller's directory offset.
    const int own = openat(dirfd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (own < 0)
        return std::nullopt;
    DIR* dir = fdopendir(own);
    if (!dir) {
        close(own);
        return std::nullopt;
    }
    std::optional<std::string> found;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view candidate = entry->d_name;
        if (candidate == "." || candidate == "..")
            continue;
        if (common::equalsIgnoreAsciiCase(candidate, name) && (!found || candidate < *found))
            found = std::string(candidate);
    }
    closedir(dir);
    return found;
}

std::size_t windowsRootLength(std::string_view windowsPath) {
    if (windowsPath.size() >= 2 && isDriveLetter(windowsPath[0]) && windowsPath[1] == ':')
        return 2;
    std::string server, share;
    std::size_t length = 0;
    if (splitSharePath(windowsPath, server, share, length))
        return length;
    return 0;
}

std::optional<WindowsPathParts> parseWindowsPath(const DriveTable& drives,
                                                 std::string_view windowsPath) {
    WindowsPathParts parts;
    std::size_t rootLength = 0;
    if (windowsPath.size() >= 2 && isDriveLetter(windowsPath[0]) && windowsPath[1] == ':') {
        // "C:" alone or followed by a separator; "C:x" (relative to a current directory) is not
        // a path this system uses.
        if (windowsPath.size() > 2 && !isSeparator(windowsPath[2]))
            return std::nullopt;
        const auto target = drives.target(windowsPath[0]);
        if (!target)
            return std::nullopt;
        parts.root = *target;
        rootLength = 2;
    } else {
        std::string server, share;
        if (!splitSharePath(windowsPath, server, share, rootLength))
            return std::nullopt;
        for (const NetworkShare& known : networkShares()) {
            if (common::equalsIgnoreAsciiCase(known.server, server) &&
                common::equalsIgnoreAsciiCase(known.share, share)) {
                parts.root = known.mountPoint;
                break;
            }
        }
        if (parts.root.empty())
            return std::nullopt;
    }
    for (std::string& component : splitWindowsPath(windowsPath.substr(rootLength))) {
        if (component == ".")
            continue;
        if (component == "..") {
            if (!parts.components.empty())
                parts.components.pop_back();
            continue;
        }
        parts.components.push_back(std::move(component));
    }
    return parts;
}

std::vector<std::string> splitWindowsPath(std::string_view path) {
    std::vector<std::string> components;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t end = pos;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        if (end > pos)
            components.emplace_back(path.substr(pos, end - pos));
        pos = end + 1;
    }
    return components;
}

std::optional<fs::path> resolveWindowsPath(const DriveTable& drives, std::string_view windowsPath) {
    const auto parts = parseWindowsPath(drives, windowsPath);
    if (!parts)
        return std::nullopt;
    fs::path host = parts->root;
    bool lookingUp = true;
    for (const std::string& component : parts->components) {
        if (lookingUp) {
            FdGuard dir{open(host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
            const auto name = dir.fd >= 0 ? findEntryName(dir.fd, component) : std::nullopt;
            if (name) {
                host /= *name;
                continue;
            }
            lookingUp = false; // nothing below a missing component can exist
        }
        host /= component;
    }
    return host;
}

std::vector<NetworkShare> networkShares() {
    return networkSharesFrom(readMounts(),
                             fs::path("/run/user") / std::to_string(getuid()) / "gvfs");
}

std::vector<NetworkShare> networkSharesFrom(const std::vector<Mount>& mounts,
                                            const fs::path& gvfsDirectory) {
    std::vector<NetworkShare> shares;
    for (const Mount& mount : mounts) {
        if (mount.fsType == "cifs" || mount.fsType == "smb3" || mount.fsType == "smbfs")
            addCifsShare(mount, shares);
        else if (mount.fsType == "nfs" || mount.fsType == "nfs4")
            addNfsShare(mount, shares);
    }
    std::error_code ec;
    for (auto it = fs::directory_iterator(gvfsDirectory, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
        addGvfsShare(it->path(), shares);
    return shares;
}

} // namespace platform
