#include "platform/file_ops.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;
using platform::DriveTable;

namespace {

class FileOpsTest : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    DriveTable drives = DriveTable::load();
};

TEST_F(FileOpsTest, ExistenceAndInfoIgnoreLetterCase) {
    Sandbox::writeFile(c / "Temp" / ".Cache.tmp", std::string(1500, 'x'));

    EXPECT_TRUE(platform::fileExists(drives, "C:\\TEMP\\.cache.TMP"));
    EXPECT_FALSE(platform::fileExists(drives, "C:\\TEMP"));
    EXPECT_TRUE(platform::directoryExists(drives, "C:\\temp\\"));
    EXPECT_FALSE(platform::directoryExists(drives, "C:\\temp\\.cache.tmp"));
    EXPECT_FALSE(platform::fileExists(drives, "C:\\temp\\none.tmp"));

    const auto info = platform::fileInfo(drives, "C:\\TEMP\\.cache.tmp");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->name, ".Cache.tmp");
    EXPECT_EQ(info->size, 1500);
    EXPECT_TRUE(info->hidden);
    EXPECT_FALSE(info->readOnly);
    EXPECT_FALSE(platform::fileInfo(drives, "C:\\temp\\none.tmp"));
}

TEST_F(FileOpsTest, ResetAttributesMakesAFileWritableButNeverALinkTarget) {
    Sandbox::writeFile(c / "ro.txt", "x");
    fs::permissions(c / "ro.txt", fs::perms::owner_read);
    const fs::path outside = sandbox.root() / "outside.txt";
    Sandbox::writeFile(outside, "x");
    fs::permissions(outside, fs::perms::owner_read);
    fs::create_symlink(outside, c / "link.txt");

    EXPECT_TRUE(platform::fileInfo(drives, "C:\\RO.TXT")->readOnly);
    EXPECT_TRUE(platform::resetAttributes(drives, "C:\\RO.TXT"));
    EXPECT_FALSE(platform::fileInfo(drives, "C:\\ro.txt")->readOnly);

    EXPECT_FALSE(platform::resetAttributes(drives, "C:\\link.txt"));
    EXPECT_EQ(fs::status(outside).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(FileOpsTest, TheLocationIsFoundWithLetterCaseIgnoredAndTheListedNamesExactly) {
    Sandbox::writeFile(c / "Windows" / "Temp" / "sub" / "x.tmp", "x");

    EXPECT_FALSE(platform::deleteFile(drives, "C:\\WINDOWS\\TEMP\\sub\\x.tmp", 16));
    EXPECT_FALSE(fs::exists(c / "Windows" / "Temp" / "sub" / "x.tmp"));
    EXPECT_EQ(platform::deleteFile(drives, "C:\\Windows\\Temp\\sub\\x.tmp", 16),
              std::errc::no_such_file_or_directory);
}

TEST_F(FileOpsTest, AVanishedListedFileNeverStandsForAnotherInOtherLetterCase) {
    // "a.tmp" was listed and has gone; "A.TMP" (perhaps kept out by the user) must stay.
    Sandbox::writeFile(c / "Temp" / "A.TMP", "keep");
    Sandbox::writeFile(c / "Temp" / "Sub" / "b.tmp", "keep");

    EXPECT_EQ(platform::deleteFile(drives, "C:\\Temp\\a.tmp", 8),
              std::errc::no_such_file_or_directory);
    EXPECT_NE(platform::deleteFile(drives, "C:\\Temp\\sub\\b.tmp", 8), std::error_code());
    EXPECT_TRUE(fs::exists(c / "Temp" / "A.TMP"));
    EXPECT_TRUE(fs::exists(c / "Temp" / "Sub" / "b.tmp"));
}

TEST_F(FileOpsTest, AReadOnlyFileIsNotDeleted) {
    Sandbox::writeFile(c / "Temp" / "ro.tmp", "x");
    fs::permissions(c / "Temp" / "ro.tmp", fs::perms::owner_read | fs::perms::group_read);

    EXPECT_EQ(platform::deleteFile(drives, "C:\\Temp\\ro.tmp"), std::errc::permission_denied);
    EXPECT_TRUE(fs::exists(c / "Temp" / "ro.tmp"));
}

TEST_F(FileOpsTest, OnlyFilesAndLinksAreDeleted) {
    fs::create_directories(c / "Temp" / "dir");
    ASSERT_EQ(mkfifo((c / "Temp" / "pipe").c_str(), 0600), 0);

    EXPECT_TRUE(platform::deleteFile(drives, "C:\\Temp\\dir"));
    EXPECT_TRUE(platform::deleteFile(drives, "C:\\Temp\\pipe"));
    EXPECT_TRUE(fs::exists(c / "Temp" / "dir"));
    EXPECT_TRUE(fs::exists(fs::symlink_status(c / "Temp" / "pipe")));
    EXPECT_TRUE(platform::deleteFile(drives, "C:\\Temp\\"));
}

TEST_F(FileOpsTest, ALinkIsDeletedItselfNotItsTarget) {
    const fs::path outside = sandbox.root() / "outside" / "precious.doc";
    Sandbox::writeFile(outside, "keep");
    fs::create_directories(c / "Recent");
    fs::create_symlink(outside, c / "Recent" / "precious.lnk");

    EXPECT_FALSE(platform::deleteFile(drives, "C:\\Recent\\precious.lnk", 10));
    EXPECT_FALSE(fs::exists(fs::symlink_status(c / "Recent" / "precious.lnk")));
    EXPECT_EQ(Sandbox::readFile(outside), "keep");
}

TEST_F(FileOpsTest, ADirectorySwappedForALinkCannotRedirectTheDeletion) {
    // Listed as C:\Temp\cache\x.tmp; then cache became a link to a directory outside.
    const fs::path outside = sandbox.root() / "outside";
    Sandbox::writeFile(outside / "x.tmp", "keep");
    Sandbox::writeFile(c / "Temp" / "cache" / "x.tmp", "junk");
    fs::remove_all(c / "Temp" / "cache");
    fs::create_directory_symlink(outside, c / "Temp" / "cache");

    for (std::size_t trusted : {std::size_t{8}, std::size_t{0}, std::size_t{5}}) {
        EXPECT_TRUE(platform::deleteFile(drives, "C:\\Temp\\cache\\x.tmp", trusted))
            << "trusted " << trusted;
        EXPECT_EQ(Sandbox::readFile(outside / "x.tmp"), "keep");
    }
}

TEST_F(FileOpsTest, LinksInTheTrustedLocationAreFollowed) {
    // A Wine prefix links its folders into the home: the location itself may be such a link.
    const fs::path desktop = sandbox.home() / "Desktop";
    Sandbox::writeFile(desktop / "old.lnk", "x");
    fs::create_directories(c / "users" / "u");
    fs::create_directory_symlink(desktop, c / "users" / "u" / "Desktop");

    const std::string location = "C:\\users\\u\\Desktop\\";
    EXPECT_TRUE(platform::deleteFile(drives, location + "old.lnk", 2));
    EXPECT_FALSE(platform::deleteFile(drives, location + "old.lnk", location.size()));
    EXPECT_FALSE(fs::exists(desktop / "old.lnk"));
}

TEST_F(FileOpsTest, PathsThatClimbOutOfTheTrustedDirectoryAreRefused) {
    Sandbox::writeFile(c / "keep.txt", "keep");
    fs::create_directories(c / "Temp");

    EXPECT_EQ(platform::deleteFile(drives, "C:\\Temp\\..\\keep.txt", 8),
              std::errc::invalid_argument);
    EXPECT_TRUE(fs::exists(c / "keep.txt"));
}

} // namespace
