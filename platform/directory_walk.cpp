#include "platform/directory_walk.h"

#include "platform/windows_path.h"

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

// Descriptors kept open along the current branch; deeper trees reopen parents through "..".
constexpr std::size_t kMaxOpenDirectories = 64;
constexpr std::size_t kReadBufferSize = 64 * 1024;

constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

class Entry final : public WalkEntry {
public:
    Entry(int dirfd, const char* name, std::size_t length)
        : dirfd_(dirfd), name_(name), length_(length) {}
    std::string_view name() const override { return {name_, length_}; }

    bool info(FileInfo& out) const override {
        struct stat st;
        if (fstatat(dirfd_, name_, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        out.name.assign(name_, length_);
        out.size = st.st_size;
        out.lastWrite = st.st_mtime;
        out.isDirectory = S_ISDIR(st.st_mode);
        out.isSymlink = S_ISLNK(st.st_mode);
        out.readOnly = !out.isSymlink && (st.st_mode & S_IWUSR) == 0;
        out.hidden = name_[0] == '.';
        return true;
    }

    bool resetAttributes() const override {
        struct stat st;
        if (fstatat(dirfd_, name_, &st, AT_SYMLINK_NOFOLLOW) != 0 || S_ISLNK(st.st_mode))
            return false;
        if (st.st_mode & S_IWUSR)
            return true;
        // AT_SYMLINK_NOFOLLOW: a link swapped in meanwhile is refused, its target left alone.
        return fchmodat(dirfd_, name_, (st.st_mode & 07777) | S_IWUSR, AT_SYMLINK_NOFOLLOW) == 0;
    }

private:
    int dirfd_;
    const char* name_;
    std::size_t length_;
};

// One directory of the current branch.
struct Frame {
    int fd = -1; // -1 while closed to spare descriptors
    dev_t dev = 0;
    ino_t ino = 0;
    std::size_t baseLength = 0; // its Windows base (with backslash) in the shared base string
    std::size_t nameOffset = 0; // its own name in the parent's part of the name pool
    std::size_t nameLength = 0;
    std::size_t subdirBegin = 0; // its subdirectory names in the pool, NUL-separated
    std::size_t nextSubdir = 0;
};

class Walker {
public:
    Walker(WalkVisitor& visitor, bool recurse) : visitor_(visitor), recurse_(recurse) {}

    ~Walker() {
        for (const Frame& frame : frames_) {
            if (frame.fd >= 0)
                close(frame.fd);
        }
    }

    void run(int startFd, const struct stat& start, std::string base) {
        base_ = std::move(base);
        startDev_ = start.st_dev;
        frames_.push_back({startFd, start.st_dev, start.st_ino, base_.size(), 0, 0, 0, 0});
        if (!scanTop())
            return;
        while (!frames_.empty()) {
            Frame& top = frames_.back();
            if (top.nextSubdir < pool_.size()) {
                if (!descend())
                    return;
            } else if (!ascend()) {
                return;
            }
        }
    }

private:
    // Reports the top directory and its files, and queues its subdirectories.
    bool scanTop() {
        Frame& frame = frames_.back();
        frame.subdirBegin = frame.nextSubdir = pool_.size();
        if (visitor_.enterDirectory(base_) == WalkControl::Stop)
            return false;
        if (!buffer_)
            buffer_ = std::make_unique<char[]>(kReadBufferSize);
        const int fd = frame.fd;
        for (;;) {
            const ssize_t got = getdents64(fd, buffer_.get(), kReadBufferSize);
            if (got <= 0)
                break; // end, or unreadable: what was read stands
            for (ssize_t pos = 0; pos < got;) {
                const auto* entry = reinterpret_cast<const dirent64*>(buffer_.get() + pos);
                pos += entry->d_reclen;
                if (!report(fd, entry))
                    return false;
            }
        }
        return true;
    }

    bool report(int fd, const dirent64* entry) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            return true;
        unsigned char type = entry->d_type;
        struct stat st;
        if (type == DT_UNKNOWN) {
            if (fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                return true; // vanished
            type = S_ISDIR(st.st_mode)   ? DT_DIR
                   : S_ISREG(st.st_mode) ? DT_REG
                   : S_ISLNK(st.st_mode) ? DT_LNK
                                         : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            if (recurse_)
                pool_.append(name, std::char_traits<char>::length(name) + 1);
            return true;
        }
        // A link to a directory is neither listed nor descended; a dangling link is a file.
        if (type == DT_LNK && fstatat(fd, name, &st, 0) == 0 && S_ISDIR(st.st_mode))
            return true;
        if (type != DT_REG && type != DT_LNK)
            return true; // sockets, FIFOs, devices
        const Entry walkEntry(fd, name, std::char_traits<char>::length(name));
        return visitor_.file(base_, walkEntry) == WalkControl::Continue;
    }

    bool descend() {
        const std::size_t parentIndex = frames_.size() - 1;
        const std::size_t nameOffset = frames_[parentIndex].nextSubdir;
        const char* name = pool_.c_str() + nameOffset;
        const std::size_t nameLength = std::char_traits<char>::length(name);
        frames_[parentIndex].nextSubdir += nameLength + 1;
        const std::string_view subdir(name, nameLength);

        base_.resize(frames_[parentIndex].baseLength);
        if (visitor_.beforeSubdirectory(base_, subdir) == WalkControl::Stop)
            return false;
        const int fd = openat(frames_[parentIndex].fd, name, kOpenFlags);
        struct stat st;
        if (fd < 0 || fstat(fd, &st) != 0 || st.st_dev != startDev_ || isMountRoot(fd)) {
            // Gone, replaced by a link, unreadable, or another mount: adds nothing.
            if (fd >= 0)
                close(fd);
            visitor_.afterSubdirectory(base_,
                                       std::string_view(pool_.c_str() + nameOffset, nameLength));
            return true;
        }
        base_.append(name, nameLength);
        base_ += '\\';
        frames_.push_back({fd, st.st_dev, st.st_ino, base_.size(), nameOffset, nameLength, 0, 0});
        if (frames_.size() - lowestOpen_ > kMaxOpenDirectories) {
            close(frames_[lowestOpen_].fd);
            frames_[lowestOpen_].fd = -1;
            ++lowestOpen_;
        }
        return scanTop();
    }

    // The subdirectory on top is done: back to its parent.
    bool ascend() {
        if (frames_.size() == 1) {
            frames_.clear();
            return true;
        }
        const std::size_t childIndex = frames_.size() - 1;
        Frame& child = frames_[childIndex];
        Frame& parent = frames_[childIndex - 1];
        if (parent.fd < 0) {
            // The parent is reached again through "..": it must still be the same directory,
            // or the tree was moved under the walk and the walk is abandoned.
            const int fd = openat(child.fd, "..", kOpenFlags);
            struct stat st;
            if (fd < 0 || fstat(fd, &st) != 0 || st.st_dev != parent.dev ||
                st.st_ino != parent.ino) {
                if (fd >= 0)
                    close(fd);
                return false;
            }
            parent.fd = fd;
            lowestOpen_ = childIndex - 1;
        }
        close(child.fd);
        const std::size_t nameOffset = child.nameOffset;
        const std::size_t nameLength = child.nameLength;
        pool_.resize(child.subdirBegin);
        frames_.pop_back();
        base_.resize(frames_.back().baseLength);
        visitor_.afterSubdirectory(base_, std::string_view(pool_.c_str() + nameOffset, nameLength));
        return true;
    }

    // A bind mount of the same file system keeps st_dev; the kernel still marks its root.
    static bool isMountRoot(int fd) {
#ifdef STATX_ATTR_MOUNT_ROOT
        struct statx stx;
        if (statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_TYPE, &stx) == 0 &&
            (stx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT))
            return (stx.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
#endif
        (void)fd;
        return false;
    }

    WalkVisitor& visitor_;
    const bool recurse_;
    dev_t startDev_ = 0;
    std::string base_;
    std::string pool_;
    std::vector<Frame> frames_;
    std::size_t lowestOpen_ = 0;
    std::unique_ptr<char[]> buffer_;
};

} // namespace

bool walkDirectory(const DriveTable& drives, const std::string& windowsBase, bool recurse,
                   WalkVisitor& visitor) {
    const auto host = resolveWindowsPath(drives, windowsBase);
    if (!host)
        return false;
    // Links in the location's own path are followed; only below it they are not.
    const int fd = open(host->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        close(fd);
        return false;
    }
    std::string base = windowsBase;
    if (base.empty() || base.back() != '\\')
        base += '\\';
    Walker walker(visitor, recurse);
    walker.run(fd, st, std::move(base));
    return true;
}

} // namespace platform
