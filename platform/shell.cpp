#include "platform/shell.h"

#include "common/install_dir.h"
#include "common/letter_case.h"
#include "common/text_file.h"
#include "platform/environment.h"
#include "platform/windows_path.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace platform {

namespace {

// ----- Starting programs -------------------------------------------------------------------

std::mutex openerMutex;
std::string openerProgram = "xdg-open";

std::string opener() {
    std::lock_guard lock(openerMutex);
    return openerProgram;
}

// Starts the program without a shell and without waiting for it. A detached thread reaps it
// when it ends, so it never lingers as a zombie.
bool spawnDetached(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    // Its own session: the started program outlives ours and our terminal.
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int error =
        posix_spawnp(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return false;
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

bool isWindowsAbsolute(std::string_view target) {
    if (target.substr(0, 2) == "\\\\")
        return true;
    return target.size() >= 2 && std::isalpha(static_cast<unsigned char>(target[0])) &&
           target[1] == ':' && (target.size() == 2 || target[2] == '\\' || target[2] == '/');
}

// "http:", "mailto:", ...: a scheme of two characters at least, so "C:" stays a drive.
bool isAddress(std::string_view target) {
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2 ||
        !std::isalpha(static_cast<unsigned char>(target[0])))
        return false;
    for (char c : target.substr(0, colon)) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

// The host path a target names: a Windows path through the drive table, a host path as it is,
// a bare or relative name below the installation directory. Always absolute, so it can never
// be taken for an option.
std::optional<fs::path> hostPath(const DriveTable& drives, std::string_view target) {
    if (isWindowsAbsolute(target))
        return resolveWindowsPath(drives, target);
    if (!target.empty() && target.front() == '/')
        return fs::path(target);
    std::string relative(target);
    for (char& c : relative) {
        if (c == '\\')
            c = '/';
    }
    return common::installDir() / relative;
}

bool isExecutableFile(const fs::path& file) {
    std::error_code error;
    return fs::is_regular_file(file, error) && ::access(file.c_str(), X_OK) == 0;
}

// For "X.exe" naming a program of the installation directory: the native program X beside it
// (its name matched exactly, else with letter case ignored).
std::optional<fs::path> installedProgram(const DriveTable& drives, std::string_view target) {
    const std::size_t separator = target.find_last_of("\\/");
    const std::string_view name =
        separator == std::string_view::npos ? target : target.substr(separator + 1);
    if (name.size() <= 4 || !common::equalsIgnoreAsciiCase(name.substr(name.size() - 4), ".exe"))
        return std::nullopt;

    const fs::path installation = common::installDir();
    if (separator != std::string_view::npos) {
        const std::optional<fs::path> path = hostPath(drives, target);
        std::error_code error;
        if (!path || !fs::equivalent(path->parent_path(), installation, error))
            return std::nullopt;
    }

    const std::string_view stem = name.substr(0, name.size() - 4);
    if (isExecutableFile(installation / stem))
        return installation / stem;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(installation, error)) {
        const std::string entryName = entry.path().filename().string();
        if (common::equalsIgnoreAsciiCase(entryName, stem) && isExecutableFile(entry.path()))
            return entry.path();
    }
    return std::nullopt;
}

// ----- Removing by descriptor --------------------------------------------------------------

bool isDirectoryEntry(int directoryFd, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN)
        return entry.d_type == DT_DIR;
    struct stat st {};
    return ::fstatat(directoryFd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(st.st_mode);
}

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Opens a subdirectory (never a link) for emptying it, first giving the owner u+rwx on it.
// -1 when it cannot be opened or lies on another file system than device.
int openForRemoval(int parentFd, const char* name, dev_t device) {
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::openat(parentFd, name, flags);
    if (fd < 0 && errno == EACCES) {
        // Unreadable: change the mode through a path descriptor, which cannot follow a link.
        const int pathFd = ::openat(parentFd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (pathFd >= 0) {
            struct stat st {};
            if (::fstat(pathFd, &st) == 0) {
                const std::string procPath = "/proc/self/fd/" + std::to_string(pathFd);
                ::chmod(procPath.c_str(), (st.st_mode & 07777) | S_IRWXU);
            }
            ::close(pathFd);
        }
        fd = ::openat(parentFd, name, flags);
    }
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_dev != device) {
        ::close(fd);
        return -1;
    }
    if ((st.st_mode & S_IRWXU) != S_IRWXU)
        ::fchmod(fd, (st.st_mode & 07777) | S_IRWXU);
    return fd;
}

// Removes everything inside the directory, depth first with an explicit stack (depth bounded
// by memory and open descriptors, not by the call stack). Links are removed as links; other
// file systems mounted below are left alone. Errors are skipped.
void removeContents(int directoryFd) {
    struct stat rootStat {};
    if (::fstat(directoryFd, &rootStat) != 0)
        return;
    const int rootFd = ::fcntl(directoryFd, F_DUPFD_CLOEXEC, 0);
    if (rootFd < 0)
        return;
    // Own the descriptor's permissions as for every directory below.
    if ((rootStat.st_mode & S_IRWXU) != S_IRWXU)
        ::fchmod(rootFd, (rootStat.st_mode & 07777) | S_IRWXU);
    DIR* root = ::fdopendir(rootFd);
    if (!root) {
        ::close(rootFd);
        return;
    }

    struct Frame {
        DIR* directory;
        std::string nameInParent;
    };
    std::vector<Frame> stack{{root, {}}};
    while (!stack.empty()) {
        DIR* directory = stack.back().directory;
        const dirent* entry = ::readdir(directory);
        if (!entry) {
            const std::string name = std::move(stack.back().nameInParent);
            ::closedir(directory);
            stack.pop_back();
            if (!stack.empty())
                ::unlinkat(::dirfd(stack.back().directory), name.c_str(), AT_REMOVEDIR);
            continue;
        }
        if (isDotOrDotDot(entry->d_name))
            continue;
        const int fd = ::dirfd(directory);
        if (!isDirectoryEntry(fd, *entry)) {
            ::unlinkat(fd, entry->d_name, 0);
            continue;
        }
        const int childFd = openForRemoval(fd, entry->d_name, rootStat.st_dev);
        if (childFd < 0)
            continue;
        DIR* child = ::fdopendir(childFd);
        if (!child) {
            ::close(childFd);
            continue;
        }
        stack.push_back({child, entry->d_name});
    }
}

// Removes the entry named in the directory: a directory with all it holds, anything else as
// itself.
void removeEntry(int parentFd, const char* name) {
    struct stat st {};
    if (::fstatat(parentFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (!S_ISDIR(st.st_mode)) {
        ::unlinkat(parentFd, name, 0);
        return;
    }
    struct stat parentStat {};
    if (::fstat(parentFd, &parentStat) != 0)
        return;
    const int fd = openForRemoval(parentFd, name, parentStat.st_dev);
    if (fd < 0)
        return;
    removeContents(fd);
    ::close(fd);
    ::unlinkat(parentFd, name, AT_REMOVEDIR);
}

// Removes the non-directory entries of the directory whose names end with suffix.
void removeFilesEndingWith(int parentFd, const char* directoryName, std::string_view suffix) {
    const int fd =
        ::openat(parentFd, directoryName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR* directory = ::fdopendir(fd);
    if (!directory) {
        ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name = entry->d_name;
        if (name.size() < suffix.size() || name.substr(name.size() - suffix.size()) != suffix)
            continue;
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
            ::unlinkat(fd, entry->d_name, 0);
    }
    ::closedir(directory);
}

// ----- Mounts ------------------------------------------------------------------------------

// Mount points of /proc/self/mountinfo (fifth field, octal escapes undone).
std::vector<fs::path> mountPoints() {
    std::vector<fs::path> points;
    std::ifstream mountinfo("/proc/self/mountinfo");
    std::string line;
    while (std::getline(mountinfo, line)) {
        std::size_t start = 0;
        for (int field = 0; field < 4 && start != std::string::npos; ++field) {
            start = line.find(' ', start);
            if (start != std::string::npos)
                ++start;
        }
        if (start == std::string::npos)
            continue;
        const std::size_t end = line.find(' ', start);
        const std::string escaped = line.substr(start, end - start);
        std::string point;
        for (std::size_t i = 0; i < escaped.size(); ++i) {
            if (escaped[i] == '\\' && i + 3 < escaped.size() &&
                escaped.find_first_not_of("01234567", i + 1) >= i + 4) {
                point += static_cast<char>(std::stoi(escaped.substr(i + 1, 3), nullptr, 8));
                i += 3;
            } else {
                point += escaped[i];
            }
        }
        points.emplace_back(point);
    }
    return points;
}

// ----- The Desktop -------------------------------------------------------------------------

// The value of XDG_DESKTOP_DIR in user-dirs.dirs: "$HOME/..." or an absolute path, quoted,
// backslash escapes undone. The last assignment counts, as the shell reading it would do.
std::optional<fs::path> configuredDesktop(const fs::path& userDirs, const fs::path& home) {
    std::ifstream in(userDirs);
    std::optional<fs::path> result;
    std::string line;
    static constexpr std::string_view key = "XDG_DESKTOP_DIR=";
    while (std::getline(in, line)) {
        std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0)
            continue;
        start += key.size();
        if (start >= line.size() || line[start] != '"')
            continue;
        std::string value;
        bool closed = false;
        for (std::size_t i = start + 1; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                value += line[++i];
            } else if (line[i] == '"') {
                closed = true;
                break;
            } else {
                value += line[i];
            }
        }
        if (!closed)
            continue;
        static constexpr std::string_view homeVariable = "$HOME";
        if (value.compare(0, homeVariable.size(), homeVariable) == 0 &&
            (value.size() == homeVariable.size() || value[homeVariable.size()] == '/')) {
            const std::string rest = value.substr(homeVariable.size());
            result = rest.find_first_not_of('/') == std::string::npos
                         ? home
                         : home / fs::path(rest).relative_path();
        } else if (!value.empty() && value.front() == '/') {
            result = fs::path(value);
        }
    }
    return result;
}

} // namespace

// ----- Public services ---------------------------------------------------------------------

void setOpenerProgram(std::string program) {
    std::lock_guard lock(openerMutex);
    openerProgram = program.empty() ? "xdg-open" : std::move(program);
}

bool shellOpen(const DriveTable& drives, std::string_view target) {
    if (target.empty())
        return false;
    if (const std::optional<fs::path> program = installedProgram(drives, target))
        return spawnDetached(program->string(), {});
    if (isAddress(target))
        return spawnDetached(opener(), {std::string(target)});
    const std::optional<fs::path> path = hostPath(drives, target);
    std::error_code error;
    if (!path || !fs::exists(fs::symlink_status(*path, error)))
        return false;
    return spawnDetached(opener(), {path->string()});
}

void emptyTrashDirectory(const fs::path& trashDirectory) {
    const int fd = ::open(trashDirectory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    const int files = ::openat(fd, "files", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (files >= 0) {
        removeContents(files);
        ::close(files);
    }
    removeFilesEndingWith(fd, "info", ".trashinfo");
    ::unlinkat(fd, "directorysizes", 0);
    removeEntry(fd, "expunged");
    ::close(fd);
}

std::vector<fs::path> userTrashDirectories(const std::vector<fs::path>& mountPoints) {
    std::vector<fs::path> directories;
    std::set<std::pair<dev_t, ino_t>> seen;
    auto add = [&](const fs::path& directory, bool mustBeOurs) {
        struct stat st {};
        if (::lstat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return;
        if (mustBeOurs && st.st_uid != ::geteuid())
            return;
        if (seen.insert({st.st_dev, st.st_ino}).second)
            directories.push_back(directory);
    };

    const fs::path home = dataHome() / "Trash";
    struct stat homeStat {};
    if (::stat(home.c_str(), &homeStat) == 0 && S_ISDIR(homeStat.st_mode)) {
        seen.insert({homeStat.st_dev, homeStat.st_ino});
        directories.push_back(home);
    }

    const std::string uid = std::to_string(::geteuid());
    for (const fs::path& topdir : mountPoints) {
        // The shared ".Trash" counts only as a real directory with the sticky bit.
        struct stat shared {};
        if (::lstat((topdir / ".Trash").c_str(), &shared) == 0 && S_ISDIR(shared.st_mode) &&
            (shared.st_mode & S_ISVTX))
            add(topdir / ".Trash" / uid, true);
        add(topdir / (".Trash-" + uid), true);
    }
    return directories;
}

void emptyTrash() {
    for (const fs::path& directory : userTrashDirectories(mountPoints()))
        emptyTrashDirectory(directory);
}

namespace {

constexpr std::string_view emptyRecentlyUsedList =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    "></xbel>";

} // namespace

void clearRecentDocuments() {
    const fs::path data = dataHome();
    try {
        common::replaceFile(data / "recently-used.xbel", emptyRecentlyUsedList, 0600);
    } catch (const std::system_error&) {
        // Nothing to clear where the data folder cannot be written; the shell reports nothing.
    }
    const int fd = ::open(data.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    removeFilesEndingWith(fd, "RecentDocuments", ".desktop");
    ::close(fd);
}

std::optional<fs::path> desktopDirectory() {
    const fs::path home = homeDirectory();
    const fs::path desktop =
        configuredDesktop(configHome() / "user-dirs.dirs", home).value_or(home / "Desktop");
    std::error_code error;
    if (!fs::is_directory(desktop, error))
        return std::nullopt;
    return desktop;
}

} // namespace platform
