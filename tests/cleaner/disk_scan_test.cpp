#include "cleaner/disk_scanner/disk_scan.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using cleaner::DiskScan;
using cleaner::DiskScanRow;

namespace {

// Writes down what the scan hands to the window; onPump lets a test act mid-walk.
class RecordingSink : public cleaner::DiskScanSink {
public:
    std::vector<DiskScanRow> rows;
    std::vector<std::string> texts;
    int pumps = 0;
    int limits = 0;
    bool stop = false;
    std::function<void(int)> onPump;

    void pump() override {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    bool stopRequested() override { return stop; }
    void status(const std::string& text) override { texts.push_back(text); }
    void record(DiskScanRow&& row) override { rows.push_back(std::move(row)); }
    void limitReached() override {
        ++limits;
        stop = true;
    }

    std::vector<std::string> paths() const {
        std::vector<std::string> found;
        for (const auto& row : rows)
            found.push_back(row.path());
        std::sort(found.begin(), found.end());
        return found;
    }
};

cleaner::SearchSet masks(std::vector<std::string> list = {"*.TMP", "*.LOG", "*.~PAS"}) {
    cleaner::SearchSet set;
    set.copyAll(list);
    return set;
}

void makeSocket(const fs::path& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.string().size(), sizeof(address.sun_path));
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    close(fd);
}

} // namespace

class DiskScanTest : public testing::Test {
protected:
    void SetUp() override {
        e = sandbox.addDrive('e');
        outside = sandbox.root() / "outside";
        Sandbox::writeFile(outside / "z.tmp", "outside");
        drives = platform::DriveTable::load();
    }

    Sandbox sandbox;
    fs::path e, outside;
    platform::DriveTable drives;
};

TEST_F(DiskScanTest, ListsMatchesWithSizesAndDatesAndResetsTheirAttributes) {
    Sandbox::writeFile(e / "a.tmp", std::string(1023, 'x'));
    Sandbox::writeFile(e / "sub/b.log", std::string(2047 * 1024 + 1000, 'x'));
    Sandbox::writeFile(e / "sub/deep/unit1.~pas", "");
    Sandbox::writeFile(e / "sub/REPORT.TMP", "");
    Sandbox::writeFile(e / "keep.txt", "");
    fs::permissions(e / "a.tmp", fs::perms::owner_read);
    const auto when = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(e / "sub/b.log", when);

    DiskScan scan(drives);
    RecordingSink sink;
    scan.walk("E:\\", true, false, masks(), 'c', sink);

    EXPECT_EQ(sink.paths(), (std::vector<std::string>{"E:\\a.tmp", "E:\\sub\\b.log",
                                                      "E:\\sub\\deep\\unit1.~pas"}));
    EXPECT_EQ(scan.licznik(), 3);
    EXPECT_EQ(scan.rozmiar_smietnika(), 2047);
    EXPECT_EQ(cleaner::scanSummary(3, scan.rozmiar_smietnika()),
              "Znaleziono: 3 śmieci.  Rozmiar śmietnika: 2047 KB / 1 MB");
    for (const auto& row : sink.rows) {
        EXPECT_EQ(row.trustedPrefix, 3u);
        if (row.name == "a.tmp") {
            EXPECT_EQ(row.kilobytes, 0);
        }
        if (row.name == "b.log") {
            EXPECT_EQ(row.directory, "E:\\sub\\");
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                std::chrono::file_clock::to_sys(when).time_since_epoch());
            char expected[16];
            const std::time_t t = seconds.count();
            std::strftime(expected, sizeof expected, "%Y-%m-%d", std::localtime(&t));
            EXPECT_EQ(row.date, expected);
        }
    }
    // Read-only matches are plain "archive" files afterwards.
    EXPECT_NE(fs::status(e / "a.tmp").permissions() & fs::perms::owner_write, fs::perms::none);
    // Every file examined is shown, matching or not.
    EXPECT_NE(std::find(sink.texts.begin(), sink.texts.end(), "E:\\keep.txt"), sink.texts.end());
}

TEST_F(DiskScanTest, WithoutSubfoldersOnlyTheChosenFolderIsExamined) {
    Sandbox::writeFile(e / "a.tmp", "");
    Sandbox::writeFile(e / "sub/b.tmp", "");
    DiskScan scan(drives);
    RecordingSink sink;
    scan.walk("E:", false, false, masks(), 'c', sink);
    EXPECT_EQ(sink.paths(), std::vector<std::string>{"E:\\a.tmp"});
    for (const auto& text : sink.texts)
        EXPECT_EQ(text.find("sub"), std::string::npos) << text;
}

TEST_F(DiskScanTest, SelectedMasksShowEachSubfolderBeforeEnteringIt) {
    Sandbox::writeFile(e / "sub/b.tmp", "");
    DiskScan scan(drives);
    RecordingSink sink;
    scan.walk("E:\\", true, true, masks(), 'c', sink);
    ASSERT_EQ(sink.texts.size(), 2u);
    EXPECT_EQ(sink.texts[0], "E:\\sub");
    EXPECT_EQ(sink.texts[1], "E:\\sub\\b.tmp");
}

TEST_F(DiskScanTest, AnEmptyPathIsTheRootOfTheCurrentDrive) {
    Sandbox::writeFile(e / "a.tmp", "");
    DiskScan scan(drives);
    RecordingSink sink;
    scan.walk("", true, false, masks(), 'e', sink);
    // The drive box gives its letter in lower case.
    EXPECT_EQ(sink.paths(), std::vector<std::string>{"e:\\a.tmp"});
}

TEST_F(DiskScanTest, SpecialFilesLinksAndLoopsAreSkippedOrListedAsLinks) {
    Sandbox::writeFile(e / "a.tmp", "");
    ASSERT_EQ(mkfifo((e / "fifo.tmp").c_str(), 0600), 0);
    makeSocket(e / "sock.tmp");
    fs::create_directory_symlink(".", e / "loop");
    fs::create_directory_symlink(outside, e / "out");
    fs::create_symlink(outside / "z.tmp", e / "link.tmp");
    fs::create_symlink(e / "gone", e / "dangling.tmp");
    fs::create_directories(e / "locked");
    Sandbox::writeFile(e / "locked/in.tmp", "");
    fs::permissions(e / "locked", fs::perms::none);

    DiskScan scan(drives);
    RecordingSink sink;
    scan.walk("E:\\", true, false, masks(), 'c', sink);

    // Root reads a mode-000 folder anyway; anyone else skips it without a word.
    auto found = sink.paths();
    found.erase(std::remove(found.begin(), found.end(), "E:\\locked\\in.tmp"), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"E:\\a.tmp", "E:\\dangling.tmp", "E:\\link.tmp"}));
}

TEST_F(DiskScanTest, FilesThatVanishMidWalkAreNotListed) {
    for (const char* name : {"a.tmp", "b.tmp", "c.tmp"})
        Sandbox::writeFile(e / "v" / name, "");
    DiskScan scan(drives);
    RecordingSink sink;
    // Pumps: before the walk, entering the folder, then before the first file: the folder has
    // been read by then, and everything in it goes.
    sink.onPump = [&](int pump) {
        if (pump == 3)
            fs::remove_all(e / "v");
    };
    scan.walk("E:\\v", true, false, masks(), 'c', sink);
    EXPECT_TRUE(sink.rows.empty());
    EXPECT_EQ(scan.licznik(), 0);
    EXPECT_EQ(sink.texts.size(), 3u);
}

TEST_F(DiskScanTest, StopIsCheckedBeforeEveryFileAndSubfolder) {
    for (const char* name : {"a.tmp", "b.tmp", "c.tmp", "d/e.tmp"})
        Sandbox::writeFile(e / name, "");
    DiskScan scan(drives);
    RecordingSink sink;
    sink.onPump = [&](int) {
        if (sink.rows.size() == 1)
            sink.stop = true;
    };
    scan.walk("E:\\", true, false, masks(), 'c', sink);
    EXPECT_EQ(sink.rows.size(), 1u);
}

TEST_F(DiskScanTest, UnknownDrivesAndSharesAddNothing) {
    DiskScan scan(drives);
    RecordingSink sink;
    for (const char* path : {"Q:\\", "\\\\nobody\\share", "E:\\missing"})
        scan.walk(path, true, false, masks(), 'c', sink);
    EXPECT_TRUE(sink.rows.empty());
    EXPECT_TRUE(sink.texts.empty());
}

TEST_F(DiskScanTest, DeletionCountsFailuresAndFollowsNoLinkBelowTheScannedFolder) {
    Sandbox::writeFile(e / "a.tmp", "");
    Sandbox::writeFile(e / "ro.tmp", "");
    Sandbox::writeFile(e / "sub/b.tmp", "");
    DiskScan scan(drives);
    RecordingSink sink;
    scan.walk("E:\\", true, false, masks(), 'c', sink);
    ASSERT_EQ(sink.rows.size(), 3u);

    // After the scan: one file made read-only, one folder swapped for a link out of the drive.
    fs::permissions(e / "ro.tmp", fs::perms::owner_read);
    fs::remove_all(e / "sub");
    Sandbox::writeFile(outside / "b.tmp", "outside");
    fs::create_directory_symlink(outside, e / "sub");

    cleaner::DiskScanResults results;
    for (auto& row : sink.rows)
        results.append(std::move(row));
    std::vector<std::size_t> progress;
    const int failures =
        cleaner::deleteListed(drives, results, [&](std::size_t i) { progress.push_back(i); });
    EXPECT_EQ(failures, 2);
    EXPECT_EQ(progress, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_FALSE(fs::exists(e / "a.tmp"));
    EXPECT_TRUE(fs::exists(e / "ro.tmp"));
    EXPECT_TRUE(fs::exists(outside / "b.tmp"));
}

TEST(DiskScanFilter, KeepsPathsEndingInExactlyTheText) {
    const struct {
        const char* path;
        const char* filter;
        bool keeps;
    } cases[] = {
        {"C:\\a.tmp", "tmp", true},   {"C:\\d.log", "tmp", false}, {"C:\\a.tmp", "TMP", false},
        {"C:\\x.pas", "pas", true},   {"C:\\y.~pas", "pas", true}, {"C:\\a.tmp", "tm", false},
        {"C:\\a.tmp", ".tmp", false}, {"C:\\ż.óąę", "óąę", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cleaner::filterKeeps(c.path, c.filter), c.keeps) << c.path << " " << c.filter;
}

TEST(DiskScanResultsList, RemovingMarkedRowsKeepsTheOthersInOrder) {
    cleaner::DiskScanResults results;
    for (const char* name : {"a", "b", "c", "d"})
        results.append({"C:\\", name, "", 0, 3});
    results.removeMarked({true, false, true});
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].name, "b");
    EXPECT_EQ(results[1].name, "d");
    results.removeAt(0);
    EXPECT_EQ(results[0].path(), "C:\\d");
}
