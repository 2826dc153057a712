#include "platform/windows_path.h"

#include "platform/host_names.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using platform::DriveTable;
using platform::resolveWindowsPath;

namespace {

class WindowsPathTest : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    DriveTable drives = DriveTable::load();
};

TEST(SplitWindowsPath, DropsEmptyComponents) {
    using V = std::vector<std::string>;
    EXPECT_EQ(platform::splitWindowsPath("C:\\a\\\\b\\"), (V{"C:", "a", "b"}));
    EXPECT_EQ(platform::splitWindowsPath("\\\\srv\\share\\x"), (V{"srv", "share", "x"}));
    EXPECT_EQ(platform::splitWindowsPath(""), V{});
}

TEST_F(WindowsPathTest, ComponentsAreFoundWithLetterCaseIgnored) {
    fs::create_directories(c / "windows" / "Temp");
    Sandbox::writeFile(c / "windows" / "Temp" / "x.tmp", "");

    EXPECT_EQ(resolveWindowsPath(drives, "C:\\WINDOWS\\TEMP\\X.TMP"),
              c / "windows" / "Temp" / "x.tmp");
    EXPECT_EQ(resolveWindowsPath(drives, "c:\\Windows\\temp\\"), c / "windows" / "Temp");
    EXPECT_EQ(resolveWindowsPath(drives, "C:\\"), c);
    EXPECT_EQ(resolveWindowsPath(drives, "C:"), c);
}

TEST_F(WindowsPathTest, AnExactNameWinsOverOtherCasings) {
    fs::create_directories(c / "TEMP");
    fs::create_directories(c / "temp");

    EXPECT_EQ(resolveWindowsPath(drives, "C:\\temp"), c / "temp");
    EXPECT_EQ(resolveWindowsPath(drives, "C:\\TEMP"), c / "TEMP");
    // Neither written so: the first in byte order, the same every time.
    EXPECT_EQ(resolveWindowsPath(drives, "C:\\Temp"), c / "TEMP");
}

TEST_F(WindowsPathTest, MissingComponentsAreKeptAsWritten) {
    fs::create_directories(c / "windows");

    EXPECT_EQ(resolveWindowsPath(drives, "C:\\WINDOWS\\New Folder\\Sub"),
              c / "windows" / "New Folder" / "Sub");
}

TEST_F(WindowsPathTest, DotDotNeverClimbsAboveTheDrive) {
    fs::create_directories(c / "a");

    EXPECT_EQ(resolveWindowsPath(drives, "C:\\a\\..\\..\\..\\etc"), c / "etc");
    EXPECT_EQ(resolveWindowsPath(drives, "C:\\a\\.\\b"), c / "a" / "b");
}

TEST_F(WindowsPathTest, UnknownDrivesAndRelativePathsAreRefused) {
    EXPECT_FALSE(resolveWindowsPath(drives, "Q:\\x"));
    EXPECT_FALSE(resolveWindowsPath(drives, "windows\\temp"));
    EXPECT_FALSE(resolveWindowsPath(drives, "C:windows"));
    EXPECT_FALSE(resolveWindowsPath(drives, "\\\\nosuchserver\\share\\x"));
}

TEST_F(WindowsPathTest, NetworkSharesFromMountsAndGvfs) {
    const auto mounts =
        platform::parseMountInfo("40 1 0:50 / /mnt/docs rw - cifs //fileserver/Docs rw\n"
                                 "41 1 0:51 / /mnt/home rw - nfs4 nas:/export/home rw\n"
                                 "42 1 8:1 / /mnt/disk rw - ext4 /dev/sdb1 rw\n");
    const fs::path gvfs = sandbox.root() / "gvfs";
    fs::create_directories(gvfs / "smb-share:server=office,share=public,user=jan");
    fs::create_directories(gvfs / "sftp:host=office");

    const auto shares = platform::networkSharesFrom(mounts, gvfs);

    ASSERT_EQ(shares.size(), 3u);
    EXPECT_EQ(shares[0].server, "fileserver");
    EXPECT_EQ(shares[0].share, "Docs");
    EXPECT_EQ(shares[0].mountPoint, fs::path("/mnt/docs"));
    EXPECT_EQ(shares[1].server, "nas");
    EXPECT_EQ(shares[1].share, "home");
    EXPECT_EQ(shares[2].server, "office");
    EXPECT_EQ(shares[2].share, "public");
    EXPECT_EQ(shares[2].mountPoint, gvfs / "smb-share:server=office,share=public,user=jan");
}

} // namespace
