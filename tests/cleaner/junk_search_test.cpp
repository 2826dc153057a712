#include "cleaner/junk/junk_search.h"
#include "platform/drive_table.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Collects what the walk reports; can ask to stop after a number of recorded rows.
class RecordingSink : public cleaner::JunkSearchSink {
public:
    void pump() override { ++pumps; }
    bool stopRequested() override { return stopAfter >= 0 && int(rows.size()) >= stopAfter; }
    bool ignoreIndexDat() override { return indexDat; }
    void record(const cleaner::JunkRow& row) override { rows.push_back(row); }
    void scanning(const std::string& text) override { lastStatus = text; }

    std::vector<std::string> paths() const {
        std::vector<std::string> result;
        for (const auto& row : rows)
            result.push_back(row.directory + row.name);
        return result;
    }

    std::vector<cleaner::JunkRow> rows;
    std::string lastStatus;
    bool indexDat = false;
    int stopAfter = -1;
    int pumps = 0;
};

} // namespace

class JunkSearchTest : public testing::Test {
protected:
    void SetUp() override {
        c = sandbox.addDrive('c');
        drives = platform::DriveTable::load();
        search = std::make_unique<cleaner::JunkSearch>(drives);
        search->reset();
    }
    void file(const std::string& relative, std::size_t bytes = 0) {
        Sandbox::writeFile(c / relative, std::string(bytes, 'x'));
    }

    Sandbox sandbox;
    fs::path c;
    platform::DriveTable drives;
    std::unique_ptr<cleaner::JunkSearch> search;
    RecordingSink sink;
};

TEST_F(JunkSearchTest, FilesOfADirectoryComeBeforeItsSubdirectoriesDepthFirst) {
    file("windows/temp/a.tmp");
    file("windows/temp/sub/b.tmp");
    file("windows/temp/sub/deeper/c.tmp");
    file("windows/temp/z.tmp");
    file("windows/temp/keep.txt");
    search->fileSearch("C:\\WINDOWS\\Temp", "*.TMP", true, sink);

    ASSERT_EQ(sink.rows.size(), 4u);
    EXPECT_EQ(sink.rows[0].directory, "C:\\WINDOWS\\Temp\\");
    EXPECT_EQ(sink.rows[1].directory, "C:\\WINDOWS\\Temp\\");
    EXPECT_EQ(sink.rows[2].directory + sink.rows[2].name, "C:\\WINDOWS\\Temp\\sub\\b.tmp");
    EXPECT_EQ(sink.rows[3].directory + sink.rows[3].name, "C:\\WINDOWS\\Temp\\sub\\deeper\\c.tmp");
    // The path lists hold the same files in the same order.
    const auto& queued = search->paths().list(1);
    ASSERT_EQ(queued.size(), 4u);
    for (std::size_t i = 0; i < queued.size(); ++i)
        EXPECT_EQ(queued[i].path, sink.paths()[i]);
    EXPECT_EQ(queued[2].trustedPrefix, std::string("C:\\WINDOWS\\Temp\\").size());
    EXPECT_EQ(search->fileCounter(), 5);
}

TEST_F(JunkSearchTest, WithoutRecursionOnlyTheLocationItself) {
    file("temp/a.log");
    file("temp/sub/b.log");
    search->fileSearch("C:\\Temp\\", "*.log", false, sink);
    EXPECT_EQ(sink.paths(), std::vector<std::string>{"C:\\Temp\\a.log"});
}

TEST_F(JunkSearchTest, SizesAreWholeKilobytesAndTheTotalSumsThem) {
    file("temp/small", 1023);
    file("temp/two", 2048);
    file("temp/more", 3000);
    search->fileSearch("C:\\Temp", "*.*", false, sink);
    std::map<std::string, std::int64_t> sizes;
    for (const auto& row : sink.rows)
        sizes[row.name] = row.kilobytes;
    EXPECT_EQ(sizes["small"], 0);
    EXPECT_EQ(sizes["two"], 2);
    EXPECT_EQ(sizes["more"], 2);
    EXPECT_EQ(search->totalKilobytes(), 4);
}

TEST_F(JunkSearchTest, IndexDatOptionSkipsIndexFilesAndMakesListedFilesWritable) {
    file("cache/Index.dat");
    file("cache/INDEX.DAT");
    file("cache/index.dat.old");
    file("cache/locked.dat");
    chmod((c / "cache/locked.dat").c_str(), 0444);

    sink.indexDat = true;
    search->fileSearch("C:\\cache\\", "*.*", false, sink);
    EXPECT_EQ(sink.rows.size(), 2u);
    for (const auto& row : sink.rows)
        EXPECT_TRUE(row.name == "index.dat.old" || row.name == "locked.dat") << row.name;
    struct stat info {};
    ASSERT_EQ(stat((c / "cache/locked.dat").c_str(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IWUSR);
}

TEST_F(JunkSearchTest, WithoutTheIndexOptionNothingIsSkippedAndAttributesStay) {
    file("cache/index.dat");
    file("cache/locked.dat");
    chmod((c / "cache/locked.dat").c_str(), 0444);
    search->fileSearch("C:\\cache\\", "*.dat", false, sink);
    EXPECT_EQ(sink.rows.size(), 2u);
    struct stat info {};
    ASSERT_EQ(stat((c / "cache/locked.dat").c_str(), &info), 0);
    EXPECT_FALSE(info.st_mode & S_IWUSR);
}

TEST_F(JunkSearchTest, LinksAreListedAsLinksAndLinkedDirectoriesAreNotEntered) {
    const fs::path outside = sandbox.root() / "outside";
    Sandbox::writeFile(outside / "precious.tmp", "keep");
    file("temp/real.tmp");
    fs::create_directory_symlink(outside, c / "temp/linked_dir");
    fs::create_symlink(outside / "precious.tmp", c / "temp/link.tmp");
    fs::create_directory_symlink(c / "temp", c / "temp/loop");

    search->fileSearch("C:\\Temp\\", "*.tmp", true, sink);
    auto paths = sink.paths();
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{"C:\\Temp\\link.tmp", "C:\\Temp\\real.tmp"}));
}

TEST_F(JunkSearchTest, StopEndsTheWalkAtTheNextFile) {
    for (int i = 0; i < 5; ++i)
        file("temp/f" + std::to_string(i) + ".tmp");
    file("temp/sub/g.tmp");
    sink.stopAfter = 2;
    search->fileSearch("C:\\Temp\\", "*.tmp", true, sink);
    EXPECT_EQ(sink.rows.size(), 2u);
    // The file at which the stop was noticed is counted but not listed.
    EXPECT_EQ(search->fileCounter(), 4);
}

TEST_F(JunkSearchTest, MissingOrEmptyLocationsAddNothing) {
    file("temp/a.tmp");
    search->fileSearch("C:\\Nowhere\\", "*.*", true, sink);
    search->fileSearch("Q:\\Temp\\", "*.*", true, sink);
    search->fileSearch("C:\\Temp\\", "", true, sink);
    EXPECT_TRUE(sink.rows.empty());
}
