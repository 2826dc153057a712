#include "platform/drive_table.h"

#include "platform/mount_table.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace fs = std::filesystem;
using platform::DriveTable;
using platform::DriveType;

namespace {

class DriveTableTest : public testing::Test {
protected:
    Sandbox sandbox;
};

TEST_F(DriveTableTest, ReadsTheLettersOfTheInstallationDosdevices) {
    const fs::path c = sandbox.addDrive('c');
    const fs::path d = sandbox.addDrive('d');
    // Wine's raw device entries and other names are not drives.
    fs::create_symlink("/dev/null", sandbox.install() / "dosdevices" / "c::");
    fs::create_symlink(c, sandbox.install() / "dosdevices" / "com1");

    const DriveTable table = DriveTable::load();

    ASSERT_EQ(table.drives().size(), 2u);
    EXPECT_EQ(table.drives()[0].letter, 'c');
    EXPECT_EQ(table.target('C'), c);
    EXPECT_EQ(table.target('d'), d);
    EXPECT_FALSE(table.target('e'));
    EXPECT_EQ(table.prefix(), sandbox.install());
}

TEST_F(DriveTableTest, FallsBackToTheWinePrefixWithRelativeLinks) {
    const fs::path prefix = sandbox.root() / "wine";
    fs::create_directories(prefix / "drive_c");
    fs::create_directories(prefix / "dosdevices");
    fs::create_symlink("../drive_c", prefix / "dosdevices" / "c:");
    setenv("WINEPREFIX", prefix.c_str(), 1);

    const DriveTable table = DriveTable::load();

    EXPECT_EQ(table.prefix(), prefix);
    EXPECT_EQ(table.target('c'), fs::canonical(prefix / "drive_c"));
}

TEST_F(DriveTableTest, DefaultsToTheHomeWinePrefix) {
    unsetenv("WINEPREFIX");
    fs::create_directories(sandbox.home() / ".wine" / "dosdevices");
    fs::create_directory_symlink("/", sandbox.home() / ".wine" / "dosdevices" / "z:");

    const DriveTable table = DriveTable::load();

    EXPECT_EQ(table.prefix(), sandbox.home() / ".wine");
    EXPECT_EQ(table.target('z'), fs::path("/"));
}

TEST_F(DriveTableTest, WithoutDosdevicesTheOnlyDriveIsTheRoot) {
    const DriveTable table = DriveTable::load();

    ASSERT_EQ(table.drives().size(), 1u);
    EXPECT_EQ(table.target('c'), fs::path("/"));
    EXPECT_TRUE(table.prefix().empty());
}

TEST_F(DriveTableTest, DriveTypeOfMissingTargetsAndOverrides) {
    const fs::path gone = sandbox.root() / "gone";
    DriveTable table({{'c', sandbox.root()}, {'e', gone}});

    EXPECT_EQ(table.driveType('e'), DriveType::NoRootDir);
    EXPECT_EQ(table.driveType('q'), DriveType::NoRootDir);
    EXPECT_NE(table.driveType('c'), DriveType::NoRootDir);

    table.overrideDriveType('E', DriveType::CdRom);
    EXPECT_EQ(table.driveType('e'), DriveType::CdRom);
}

TEST(MountTable, ParsesMountInfoAndFindsTheHoldingMount) {
    const auto mounts = platform::parseMountInfo(
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "30 22 0:40 / /media/cd\\040rom ro - iso9660 /dev/sr0 ro\n"
        "31 22 0:41 / /data rw master:2 propagation:x - nfs4 srv:/export/data rw\n"
        "malformed line\n"
        "32 22 0:42 / /data rw - tmpfs tmpfs rw\n");

    ASSERT_EQ(mounts.size(), 4u);
    EXPECT_EQ(mounts[1].mountPoint, "/media/cd rom");
    EXPECT_EQ(mounts[1].fsType, "iso9660");
    EXPECT_EQ(mounts[2].source, "srv:/export/data");
    EXPECT_EQ(mounts[0].major, 8u);
    EXPECT_EQ(mounts[0].minor, 1u);

    EXPECT_EQ(platform::mountHolding(mounts, "/media/cd rom/x")->fsType, "iso9660");
    // Whole components only, and the later of two mounts on one point.
    EXPECT_EQ(platform::mountHolding(mounts, "/database")->fsType, "ext4");
    EXPECT_EQ(platform::mountHolding(mounts, "/data/a")->fsType, "tmpfs");
}

TEST_F(DriveTableTest, HostPathsAreExpressedThroughTheLongestDrive) {
    const fs::path c = sandbox.root() / "drive_c";
    fs::create_directories(c / "users" / "u");
    fs::create_directories(sandbox.root() / "drive_cx");
    const DriveTable table({{'c', c}, {'z', "/"}});

    EXPECT_EQ(table.windowsPathFor(c / "users" / "u" / "Desktop"), "C:\\users\\u\\Desktop");
    EXPECT_EQ(table.windowsPathFor(c), "C:\\");
    std::string outside = "Z:" + (fs::canonical(sandbox.root()) / "drive_cx").string();
    std::replace(outside.begin(), outside.end(), '/', '\\');
    EXPECT_EQ(table.windowsPathFor(sandbox.root() / "drive_cx"), outside);
    EXPECT_FALSE(DriveTable({{'c', c}}).windowsPathFor("/usr"));
}

} // namespace
