#include "platform/directory_walk.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::DriveTable;
using platform::WalkControl;
using platform::WalkEntry;

namespace {

// Writes down everything the walk reports, as "enter B", "file B+name", "before B name",
// "after B name"; hooks let a test act in the middle of the walk.
class Recorder : public platform::WalkVisitor {
public:
    std::vector<std::string> events;
    std::function<WalkControl(const std::string&)> onEnter;
    std::function<WalkControl(const std::string&, std::string_view)> onBefore;
    std::function<void(const std::string&, std::string_view)> onAfter;
    std::string stopAtFile;

    WalkControl enterDirectory(const std::string& base) override {
        events.push_back("enter " + base);
        return onEnter ? onEnter(base) : WalkControl::Continue;
    }
    WalkControl file(const std::string& base, const WalkEntry& entry) override {
        events.push_back("file " + base + std::string(entry.name()));
        return entry.name() == stopAtFile ? WalkControl::Stop : WalkControl::Continue;
    }
    WalkControl beforeSubdirectory(const std::string& base, std::string_view name) override {
        events.push_back("before " + base + " " + std::string(name));
        return onBefore ? onBefore(base, name) : WalkControl::Continue;
    }
    void afterSubdirectory(const std::string& base, std::string_view name) override {
        events.push_back("after " + base + " " + std::string(name));
        if (onAfter)
            onAfter(base, name);
    }

    std::vector<std::string> files() const {
        std::vector<std::string> found;
        for (const std::string& event : events) {
            if (event.rfind("file ", 0) == 0)
                found.push_back(event.substr(5));
        }
        std::sort(found.begin(), found.end());
        return found;
    }
};

class DirectoryWalkTest : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    DriveTable drives = DriveTable::load();

    void touch(const fs::path& file) { Sandbox::writeFile(file, "x"); }
};

using Events = std::vector<std::string>;

// Sorts each run of file events: the order of names inside one directory is the file system's.
Events withFileRunsSorted(Events events) {
    for (auto it = events.begin(); it != events.end();) {
        auto end = std::find_if(it, events.end(),
                                [](const std::string& e) { return e.rfind("file ", 0) != 0; });
        std::sort(it, end);
        it = end == events.end() ? end : end + 1;
    }
    return events;
}

TEST_F(DirectoryWalkTest, FilesComeBeforeSubdirectoriesDepthFirst) {
    touch(c / "Temp" / "a.tmp");
    touch(c / "Temp" / "b.tmp");
    touch(c / "Temp" / "one" / "c.tmp");
    touch(c / "Temp" / "one" / "deeper" / "d.tmp");
    touch(c / "Temp" / "two" / "e.tmp");

    Recorder recorder;
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\TEMP", true, recorder));

    const Events one{"before C:\\TEMP\\ one",         "enter C:\\TEMP\\one\\",
                     "file C:\\TEMP\\one\\c.tmp",     "before C:\\TEMP\\one\\ deeper",
                     "enter C:\\TEMP\\one\\deeper\\", "file C:\\TEMP\\one\\deeper\\d.tmp",
                     "after C:\\TEMP\\one\\ deeper",  "after C:\\TEMP\\ one"};
    const Events two{"before C:\\TEMP\\ two", "enter C:\\TEMP\\two\\", "file C:\\TEMP\\two\\e.tmp",
                     "after C:\\TEMP\\ two"};
    Events start{"enter C:\\TEMP\\", "file C:\\TEMP\\a.tmp", "file C:\\TEMP\\b.tmp"};
    Events oneFirst = start, twoFirst = start;
    oneFirst.insert(oneFirst.end(), one.begin(), one.end());
    oneFirst.insert(oneFirst.end(), two.begin(), two.end());
    twoFirst.insert(twoFirst.end(), two.begin(), two.end());
    twoFirst.insert(twoFirst.end(), one.begin(), one.end());

    const Events seen = withFileRunsSorted(recorder.events);
    EXPECT_TRUE(seen == oneFirst || seen == twoFirst) << testing::PrintToString(seen);
}

TEST_F(DirectoryWalkTest, WithoutRecursionOnlyTheDirectoryItself) {
    touch(c / "Temp" / "a.tmp");
    touch(c / "Temp" / "sub" / "b.tmp");

    Recorder recorder;
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\Temp\\", false, recorder));

    EXPECT_EQ(recorder.events, (Events{"enter C:\\Temp\\", "file C:\\Temp\\a.tmp"}));
}

TEST_F(DirectoryWalkTest, AMissingStartDirectoryReportsNothing) {
    Recorder recorder;
    EXPECT_FALSE(platform::walkDirectory(drives, "C:\\Nowhere\\", true, recorder));
    EXPECT_FALSE(platform::walkDirectory(drives, "Q:\\", true, recorder));
    EXPECT_TRUE(recorder.events.empty());
}

TEST_F(DirectoryWalkTest, LinksAreListedAsThemselvesAndNeverDescended) {
    const fs::path outside = sandbox.root() / "outside";
    touch(outside / "precious.doc");
    touch(c / "loc" / "real.tmp");
    fs::create_directory_symlink(outside, c / "loc" / "Documents");
    fs::create_directory_symlink("..", c / "loc" / "loop");
    fs::create_symlink(outside / "precious.doc", c / "loc" / "link.doc");
    fs::create_symlink(c / "nothing-here", c / "loc" / "dangling");
    fs::create_symlink("self", c / "loc" / "self");

    Recorder recorder;
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\loc\\", true, recorder));

    EXPECT_EQ(recorder.files(), (Events{"C:\\loc\\dangling", "C:\\loc\\link.doc",
                                        "C:\\loc\\real.tmp", "C:\\loc\\self"}));
    EXPECT_EQ(std::count_if(recorder.events.begin(), recorder.events.end(),
                            [](const std::string& e) { return e.rfind("enter", 0) == 0; }),
              1);
}

TEST_F(DirectoryWalkTest, TheStartDirectoryMayBeReachedThroughALink) {
    touch(sandbox.root() / "wine-temp" / "a.tmp");
    fs::create_directory_symlink(sandbox.root() / "wine-temp", c / "Temp");

    Recorder recorder;
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\Temp\\", true, recorder));

    EXPECT_EQ(recorder.files(), Events{"C:\\Temp\\a.tmp"});
}

TEST_F(DirectoryWalkTest, SocketsAndFifosAreNotReported) {
    touch(c / "loc" / "a.tmp");
    ASSERT_EQ(mkfifo((c / "loc" / "pipe").c_str(), 0600), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (c / "loc" / "sock").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(sock);

    Recorder recorder;
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\loc\\", true, recorder));

    EXPECT_EQ(recorder.files(), Events{"C:\\loc\\a.tmp"});
}

TEST_F(DirectoryWalkTest, ADirectorySwappedForALinkMidWalkIsNotFollowed) {
    const fs::path outside = sandbox.root() / "outside";
    touch(outside / "precious.doc");
    touch(c / "loc" / "victim" / "a.tmp");
    touch(c / "loc" / "gone" / "b.tmp");

    Recorder recorder;
    recorder.onBefore = [&](const std::string&, std::string_view name) {
        if (name == "victim") {
            fs::remove_all(c / "loc" / "victim");
            fs::create_directory_symlink(outside, c / "loc" / "victim");
        } else if (name == "gone") {
            fs::remove_all(c / "loc" / "gone");
        }
        return WalkControl::Continue;
    };
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\loc\\", true, recorder));

    EXPECT_TRUE(recorder.files().empty()) << testing::PrintToString(recorder.events);
    // The pairs of before/after stay balanced even for a subdirectory that adds nothing.
    EXPECT_EQ(std::count_if(recorder.events.begin(), recorder.events.end(),
                            [](const std::string& e) { return e.rfind("after", 0) == 0; }),
              2);
}

TEST_F(DirectoryWalkTest, StopEndsTheWholeWalkAtOnce) {
    touch(c / "loc" / "a" / "b" / "stop.here");
    touch(c / "loc" / "a" / "c" / "x.tmp");
    touch(c / "loc" / "a" / "y.tmp");

    Recorder recorder;
    recorder.stopAtFile = "stop.here";
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\loc\\", true, recorder));

    ASSERT_EQ(recorder.events.back(), "file C:\\loc\\a\\b\\stop.here");
    EXPECT_EQ(std::count(recorder.events.begin(), recorder.events.end(), "after C:\\loc\\a\\ b"),
              0);

    Recorder atEnter;
    atEnter.onEnter = [](const std::string&) { return WalkControl::Stop; };
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\loc\\", true, atEnter));
    EXPECT_EQ(atEnter.events, Events{"enter C:\\loc\\"});
}

TEST_F(DirectoryWalkTest, EntriesGiveTheirInfoAndCanBeMadeWritable) {
    Sandbox::writeFile(c / "loc" / "ro.tmp", std::string(2048, 'x'));
    fs::permissions(c / "loc" / "ro.tmp", fs::perms::owner_read);
    const fs::path outside = sandbox.root() / "outside.txt";
    Sandbox::writeFile(outside, "x");
    fs::permissions(outside, fs::perms::owner_read);
    fs::create_symlink(outside, c / "loc" / "link");

    struct Check : platform::WalkVisitor {
        std::vector<platform::FileInfo> infos;
        WalkControl enterDirectory(const std::string&) override { return WalkControl::Continue; }
        WalkControl file(const std::string&, const WalkEntry& entry) override {
            platform::FileInfo info;
            EXPECT_TRUE(entry.info(info));
            entry.resetAttributes();
            infos.push_back(info);
            return WalkControl::Continue;
        }
    } check;
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\loc\\", false, check));

    ASSERT_EQ(check.infos.size(), 2u);
    std::sort(check.infos.begin(), check.infos.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    EXPECT_TRUE(check.infos[0].isSymlink);
    EXPECT_EQ(check.infos[1].name, "ro.tmp");
    EXPECT_EQ(check.infos[1].size, 2048);
    EXPECT_TRUE(check.infos[1].readOnly);
    EXPECT_EQ(check.infos[1].lastWrite,
              std::chrono::system_clock::to_time_t(
                  std::chrono::file_clock::to_sys(fs::last_write_time(c / "loc" / "ro.tmp"))));
    // The file became writable; the link's target was left alone.
    EXPECT_NE(fs::status(c / "loc" / "ro.tmp").permissions() & fs::perms::owner_write,
              fs::perms::none);
    EXPECT_EQ(fs::status(outside).permissions() & fs::perms::owner_write, fs::perms::none);
}

// A chain root/d/d/.../d of the given depth, built and removed by descriptor: its paths are far
// longer than PATH_MAX.
class DeepTree {
public:
    DeepTree(const fs::path& root, int depth) : root_(root), depth_(depth) {
        int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY);
        for (int i = 0; i < depth; ++i) {
            mkdirat(fd, "d", 0755);
            const int next = openat(fd, "d", O_RDONLY | O_DIRECTORY);
            close(fd);
            fd = next;
        }
        close(openat(fd, "bottom.tmp", O_CREAT | O_WRONLY, 0644));
        close(fd);
    }
    // Lifts each level's child up to the root and removes the emptied level: no long paths.
    ~DeepTree() {
        const int fd = open(root_.c_str(), O_RDONLY | O_DIRECTORY);
        for (int i = 0; i < depth_ - 1; ++i) {
            renameat(fd, "d/d", fd, "lifted");
            unlinkat(fd, "d", AT_REMOVEDIR);
            renameat(fd, "lifted", fd, "d");
        }
        const int last = openat(fd, "d", O_RDONLY | O_DIRECTORY);
        unlinkat(last, "bottom.tmp", 0);
        close(last);
        unlinkat(fd, "d", AT_REMOVEDIR);
        close(fd);
    }

private:
    fs::path root_;
    int depth_;
};

TEST_F(DirectoryWalkTest, TenThousandLevelsWithFewDescriptors) {
    constexpr int depth = 10000;
    fs::create_directories(c / "deep");
    const DeepTree tree(c / "deep", depth);

    // Far fewer descriptors than levels: the walk must reopen parents instead of keeping them.
    rlimit saved{};
    getrlimit(RLIMIT_NOFILE, &saved);
    rlimit low = saved;
    low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 256);
    setrlimit(RLIMIT_NOFILE, &low);

    struct Counter : platform::WalkVisitor {
        int entered = 0;
        int after = 0;
        std::string found;
        WalkControl enterDirectory(const std::string&) override {
            ++entered;
            return WalkControl::Continue;
        }
        WalkControl file(const std::string& base, const WalkEntry& entry) override {
            found = base + std::string(entry.name());
            return WalkControl::Continue;
        }
        void afterSubdirectory(const std::string&, std::string_view) override { ++after; }
    } counter;
    const bool walked = platform::walkDirectory(drives, "C:\\deep\\", true, counter);
    setrlimit(RLIMIT_NOFILE, &saved);

    ASSERT_TRUE(walked);
    EXPECT_EQ(counter.entered, depth + 1);
    EXPECT_EQ(counter.after, depth);
    std::string expected = "C:\\deep\\";
    for (int i = 0; i < depth; ++i)
        expected += "d\\";
    EXPECT_EQ(counter.found, expected + "bottom.tmp");
}

TEST_F(DirectoryWalkTest, ATreeMovedUnderTheWalkIsAbandoned) {
    constexpr int depth = 150;
    fs::create_directories(c / "deep");
    fs::path level20 = c / "deep";
    for (int i = 0; i < 20; ++i)
        level20 /= "d";
    const DeepTree tree(c / "deep", depth);

    Recorder recorder;
    bool moved = false;
    recorder.onEnter = [&](const std::string& base) {
        // At the bottom: the closed upper levels are no longer where the walk left them.
        if (std::count(base.begin(), base.end(), '\\') == depth + 2) {
            fs::rename(level20, c / "deep" / "moved");
            fs::rename(c / "deep" / "moved", c / "deep" / "d" / "x");
            moved = true;
        }
        return WalkControl::Continue;
    };
    ASSERT_TRUE(platform::walkDirectory(drives, "C:\\deep\\", true, recorder));
    ASSERT_TRUE(moved);

    // The walk returned up to where the tree was cut and no further.
    const auto closes =
        std::count_if(recorder.events.begin(), recorder.events.end(),
                      [](const std::string& e) { return e.rfind("after", 0) == 0; });
    EXPECT_LT(closes, depth - 19);
    EXPECT_EQ(recorder.files().size(), 1u);
    // Put the tree back together so it can be removed.
    fs::rename(c / "deep" / "d" / "x", level20);
}

} // namespace
