#include "platform/file_ops.h"

#include "platform/host_names.h"
#include "platform/windows_path.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {
namespace {

struct FdGuard {
    int fd = -1;
    ~FdGuard() {
        if (fd >= 0)
            close(fd);
    }
};

std::optional<struct stat> statOf(const DriveTable& drives, std::string_view windowsPath,
                                  bool followLink) {
    const auto host = resolveWindowsPath(drives, windowsPath);
    struct stat st;
    if (!host || (followLink ? stat(host->c_str(), &st) : lstat(host->c_str(), &st)) != 0)
        return std::nullopt;
    return st;
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

bool fileExists(const DriveTable& drives, std::string_view windowsPath) {
    // A dangling link still exists as a file that can be listed and deleted.
    const auto st = statOf(drives, windowsPath, false);
    if (!st)
        return false;
    if (S_ISLNK(st->st_mode)) {
        const auto target = statOf(drives, windowsPath, true);
        return !target || !S_ISDIR(target->st_mode);
    }
    return !S_ISDIR(st->st_mode);
}

bool directoryExists(const DriveTable& drives, std::string_view windowsPath) {
    const auto st = statOf(drives, windowsPath, true);
    return st && S_ISDIR(st->st_mode);
}

std::optional<FileInfo> fileInfo(const DriveTable& drives, std::string_view windowsPath) {
    const auto host = resolveWindowsPath(drives, windowsPath);
    const auto st = statOf(drives, windowsPath, false);
    if (!host || !st)
        return std::nullopt;
    FileInfo info;
    info.name = host->filename().string();
    info.size = st->st_size;
    info.lastWrite = st->st_mtime;
    info.isDirectory = S_ISDIR(st->st_mode);
    info.isSymlink = S_ISLNK(st->st_mode);
    info.readOnly = !info.isSymlink && (st->st_mode & S_IWUSR) == 0;
    info.hidden = !info.name.empty() && info.name[0] == '.';
    return info;
}

bool resetAttributes(const DriveTable& drives, std::string_view windowsPath) {
    const auto host = resolveWindowsPath(drives, windowsPath);
    struct stat st;
    if (!host || lstat(host->c_str(), &st) != 0 || S_ISLNK(st.st_mode))
        return false;
    if (st.st_mode & S_IWUSR)
        return true;
    return fchmodat(AT_FDCWD, host->c_str(), (st.st_mode & 07777) | S_IWUSR, AT_SYMLINK_NOFOLLOW) ==
           0;
}

DeletionCache::~DeletionCache() {
    reset(trustedFd_);
    reset(belowFd_);
}

void DeletionCache::reset(int& fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

std::error_code deleteFile(const DriveTable& drives, std::string_view windowsPath,
                           std::size_t trustedPrefixLength, DeletionCache* cache) {
    // The trusted part ends at a separator, and never before the drive or share itself.
    const std::size_t rootLength = windowsRootLength(windowsPath);
    if (rootLength == 0)
        return std::make_error_code(std::errc::invalid_argument);
    std::size_t trusted = std::min(trustedPrefixLength, windowsPath.size());
    if (trusted < windowsPath.size() && windowsPath[trusted] != '\\' &&
        windowsPath[trusted] != '/' &&
        (trusted == 0 || (windowsPath[trusted - 1] != '\\' && windowsPath[trusted - 1] != '/'))) {
        const std::size_t separator = windowsPath.find_last_of("\\/", trusted);
        trusted = separator == std::string_view::npos ? 0 : separator;
    }
    trusted = std::max(trusted, rootLength);

    const std::string_view belowPath = windowsPath.substr(trusted);
    const std::vector<std::string> below = splitWindowsPath(belowPath);
    if (below.empty())
        return std::make_error_code(std::errc::invalid_argument);
    for (const std::string& component : below) {
        // Below the trusted directory a path may only go down.
        if (component == "." || component == "..")
            return std::make_error_code(std::errc::invalid_argument);
    }
    const std::string_view trustedPath = windowsPath.substr(0, trusted);
    const std::size_t lastSeparator = belowPath.find_last_of("\\/");
    const std::string_view directories = lastSeparator == std::string_view::npos
                                             ? std::string_view()
                                             : belowPath.substr(0, lastSeparator);

    // The directory holding the file: kept from the last call when it is the very same one.
    FdGuard owned;
    int dirFd = -1;
    if (cache && cache->drives_ == &drives && cache->trustedFd_ >= 0 &&
        cache->trusted_ == trustedPath && cache->belowFd_ >= 0 && cache->below_ == directories) {
        dirFd = cache->belowFd_;
    } else {
        FdGuard start;
        if (cache && cache->drives_ == &drives && cache->trustedFd_ >= 0 &&
            cache->trusted_ == trustedPath) {
            start.fd = dup(cache->trustedFd_);
        } else {
            const auto host = resolveWindowsPath(drives, trustedPath);
            if (!host)
                return std::make_error_code(std::errc::no_such_file_or_directory);
            start.fd = open(host->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        }
        if (start.fd < 0)
            return lastError();
        if (cache) {
            if (cache->drives_ != &drives || cache->trusted_ != trustedPath ||
                cache->trustedFd_ < 0) {
                cache->reset(cache->trustedFd_);
                cache->trustedFd_ = dup(start.fd);
                cache->trusted_ = trustedPath;
                cache->drives_ = &drives;
            }
            cache->reset(cache->belowFd_);
        }
        FdGuard dir{start.fd};
        start.fd = -1;
        // Below the trusted directory the names are those a walk read from the disk: they are
        // taken exactly, so a vanished "a.tmp" can never stand for an "A.TMP" the user kept.
        for (std::size_t i = 0; i + 1 < below.size(); ++i) {
            // O_NOFOLLOW: a directory swapped for a link cannot lead the deletion elsewhere.
            FdGuard next{
                openat(dir.fd, below[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
            if (next.fd < 0)
                return lastError();
            std::swap(dir.fd, next.fd);
        }
        if (cache) {
            cache->belowFd_ = dir.fd;
            cache->below_ = directories;
            dir.fd = -1;
            dirFd = cache->belowFd_;
        } else {
            std::swap(owned.fd, dir.fd);
            dirFd = owned.fd;
        }
    }

    const std::string& name = below.back();
    struct stat st;
    if (fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return lastError();
    if (S_ISDIR(st.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return std::make_error_code(std::errc::operation_not_permitted);
    // Read-only files are not deleted, as on Windows (root could otherwise remove them).
    if (S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0)
        return std::make_error_code(std::errc::permission_denied);
    if (unlinkat(dirFd, name.c_str(), 0) != 0)
        return lastError();
    return {};
}

} // namespace platform
