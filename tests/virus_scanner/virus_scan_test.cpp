#include "virus_scanner/virus_scan.h"

#include "platform/drive_table.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;
using virkil::FoundFile;

namespace {

// Records what the scan reports; asks to stop once a number of files were found.
class RecordingSink : public virkil::ScanSink {
public:
    void pump() override { ++pumps; }
    void pumpDuringCheck() override { ++checkPumps; }
    bool stopRequested() override { return stopAfter >= 0 && int(found_.size()) >= stopAfter; }
    void checkProgress(std::size_t position, std::size_t maximum) override {
        progress.push_back(position);
        lastMaximum = maximum;
    }
    void found(const FoundFile& file) override { found_.push_back(file); }
    void scanning(const std::string& text) override { status.push_back(text); }

    std::vector<std::string> paths() const {
        std::vector<std::string> result;
        for (const FoundFile& file : found_)
            result.push_back(file.path);
        return result;
    }

    std::vector<FoundFile> found_;
    std::vector<std::string> status;
    std::vector<std::size_t> progress;
    std::size_t lastMaximum = 0;
    int stopAfter = -1;
    int pumps = 0;
    int checkPumps = 0;
};

} // namespace

class VirusScanTest : public testing::Test {
protected:
    void SetUp() override {
        c = sandbox.addDrive('c');
        drives = platform::DriveTable::load();
        Sandbox::writeFile(sandbox.install() / "Viry.dat",
                           "Virus.exe\r\nnote.txt\r\nrobak.vbs\r\n\xA3obuz.com\r\n");
        list.load(sandbox.install() / "Viry.dat");
    }
    void file(const std::string& relative) { Sandbox::writeFile(c / relative, "x"); }

    Sandbox sandbox;
    fs::path c;
    platform::DriveTable drives;
    virkil::VirusList list;
    RecordingSink sink;
};

TEST_F(VirusScanTest, WholeNameMatchesApartFromTheCaseOfAsciiLetters) {
    struct Case {
        const char* name;
        bool found;
    };
    const Case cases[] = {
        {"Virus.exe", true},        {"virus.exe", true},         {"VIRUS.EXE", true},
        {"myvirus.exe", false},     {"Virus.ex", false},         {"Virus.exe.bak", false},
        {"\xC5\x81obuz.com", true}, {"\xC5\x82obuz.com", false}, // Ł matches only itself
        {"note.txt", true}, // the check alone knows no extensions; the walk filters them
    };
    for (const Case& c : cases)
        EXPECT_EQ(virkil::Sprawdzenie(list, c.name, sink), c.found) << c.name;
}

TEST_F(VirusScanTest, CheckGoesThroughTheEntriesWithProgressAndPumps) {
    EXPECT_FALSE(virkil::Sprawdzenie(list, "none.exe", sink));
    EXPECT_EQ(sink.lastMaximum, 4u);
    EXPECT_EQ(sink.progress, (std::vector<std::size_t>{0, 0, 1, 2, 3}));
    EXPECT_EQ(sink.checkPumps, 8); // twice per entry

    sink.progress.clear();
    EXPECT_TRUE(virkil::Sprawdzenie(list, "ROBAK.vbs", sink));
    EXPECT_EQ(sink.progress.back(), 0u); // back to the start on a match
}

TEST_F(VirusScanTest, StopDuringTheCheckAnswersNo) {
    sink.stopAfter = 0; // stop already requested
    EXPECT_FALSE(virkil::Sprawdzenie(list, "Virus.exe", sink));
}

TEST_F(VirusScanTest, ReportsListedFilesWithAScannedExtensionOnly) {
    file("Virus.exe");
    file("dir/virus.exe");
    file("dir/VIRUS.exe");
    file("dir/virus.EXE"); // extension not in lower case
    file("dir/note.txt");  // on the list, but not a scanned extension
    file("dir/sub/robak.vbs");
    file("dir/sub/.hidden/Virus.exe");
    file("other/clean.exe");
    virkil::FileSearch(drives, list, "c:\\", true, sink);

    auto paths = sink.paths();
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{"c:\\Virus.exe", "c:\\dir\\VIRUS.exe",
                                               "c:\\dir\\sub\\.hidden\\Virus.exe",
                                               "c:\\dir\\sub\\robak.vbs", "c:\\dir\\virus.exe"}));
    for (const FoundFile& found : sink.found_)
        EXPECT_EQ(found.trustedPrefixLength, 3u);
    EXPECT_EQ(sink.status.back(), "Skanowanie: c:\\");
}

TEST_F(VirusScanTest, WithoutRecursionOnlyTheFolderItselfIsExamined) {
    file("Windows/Virus.exe");
    file("Windows/System/Virus.exe");
    virkil::FileSearch(drives, list, "C:\\Windows", false, sink);
    EXPECT_EQ(sink.paths(), (std::vector<std::string>{"C:\\Windows\\Virus.exe"}));
    EXPECT_EQ(sink.found_[0].trustedPrefixLength, 11u);
}

TEST_F(VirusScanTest, LinksToDirectoriesAreNotDescended) {
    file("dir/keep.txt");
    Sandbox::writeFile(sandbox.root() / "outside/Virus.exe", "x");
    fs::create_directory_symlink(sandbox.root() / "outside", c / "dir/link");
    virkil::FileSearch(drives, list, "c:\\", true, sink);
    EXPECT_TRUE(sink.found_.empty());
}

TEST_F(VirusScanTest, StopEndsTheWalk) {
    for (int i = 0; i < 5; ++i)
        file("d" + std::to_string(i) + "/Virus.exe");
    sink.stopAfter = 2;
    virkil::FileSearch(drives, list, "c:\\", true, sink);
    EXPECT_EQ(sink.found_.size(), 2u);
}

TEST_F(VirusScanTest, MissingFolderYieldsNothing) {
    virkil::FileSearch(drives, list, "C:\\nowhere", true, sink);
    virkil::FileSearch(drives, list, "q:\\", true, sink);
    EXPECT_TRUE(sink.found_.empty());
    EXPECT_GT(sink.pumps, 0);
}

TEST_F(VirusScanTest, DeletionListsTheFilesThatCouldNotBeDeleted) {
    file("a/Virus.exe");
    file("b/Virus.exe");
    file("c/Virus.exe");
    chmod((c / "b/Virus.exe").c_str(), 0444); // read-only: not deleted, as on Windows
    virkil::FileSearch(drives, list, "c:\\", true, sink);
    ASSERT_EQ(sink.found_.size(), 3u);

    std::vector<std::size_t> progress;
    const auto failures = virkil::deleteFoundFiles(drives, sink.found_,
                                                   [&](std::size_t i) { progress.push_back(i); });
    EXPECT_EQ(failures, (std::vector<std::string>{"c:\\b\\Virus.exe"}));
    EXPECT_EQ(progress, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_FALSE(fs::exists(c / "a/Virus.exe"));
    EXPECT_TRUE(fs::exists(c / "b/Virus.exe"));
    EXPECT_FALSE(fs::exists(c / "c/Virus.exe"));
}

TEST_F(VirusScanTest, DeletionDoesNotFollowADirectorySwappedForALink) {
    file("dir/Virus.exe");
    virkil::FileSearch(drives, list, "c:\\", true, sink);
    ASSERT_EQ(sink.found_.size(), 1u);
    // Between the scan and the deletion the folder becomes a link to a file elsewhere.
    const fs::path outside = sandbox.root() / "outside";
    Sandbox::writeFile(outside / "Virus.exe", "precious");
    fs::remove_all(c / "dir");
    fs::create_directory_symlink(outside, c / "dir");
    EXPECT_FALSE(virkil::deleteFoundFile(drives, sink.found_[0]));
    EXPECT_TRUE(fs::exists(outside / "Virus.exe"));
}
