#include "platform/system_info.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using platform::DriveTable;

namespace {

struct Fixture {
    const char* family;
    const char* systemReg;
    const char* userReg;
    int platformId, major, minor, build;
};

const char* const kNtXp = "WINE REGISTRY Version 2\r\n"
                          ";; All keys relative to \\\\Machine\r\n\r\n"
                          "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1701234567\r\n"
                          "#time=1d9f\r\n"
                          "\"CurrentBuildNumber\"=\"2600\"\r\n"
                          "\"CurrentVersion\"=\"5.1\"\r\n"
                          "\"ProductName\"=\"Microsoft Windows XP\"\r\n";

class WindowsVersionTest : public testing::TestWithParam<Fixture> {
protected:
    Sandbox sandbox;
};

TEST_P(WindowsVersionTest, ReadFromThePrefixRegistry) {
    const Fixture& f = GetParam();
    // A prefix as Wine lays it out: registry files beside drive_c and dosdevices.
    const fs::path prefix = sandbox.root() / "prefix";
    fs::create_directories(prefix / "drive_c");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    if (f.systemReg)
        Sandbox::writeFile(prefix / "system.reg", f.systemReg);
    if (f.userReg)
        Sandbox::writeFile(prefix / "user.reg", f.userReg);
    setenv("WINEPREFIX", prefix.c_str(), 1);

    const auto version = platform::windowsVersion(DriveTable::load());

    if (f.platformId < 0) {
        EXPECT_FALSE(version);
        return;
    }
    ASSERT_TRUE(version);
    EXPECT_EQ(version->platformId, f.platformId);
    EXPECT_EQ(version->major, f.major);
    EXPECT_EQ(version->minor, f.minor);
    EXPECT_EQ(version->build, f.build);
}

INSTANTIATE_TEST_SUITE_P(
    Families, WindowsVersionTest,
    testing::Values(
        Fixture{"nt_xp", kNtXp, nullptr, 2, 5, 1, 2600},
        Fixture{"nt_2000",
                "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1\n"
                "\"CurrentVersion\"=\"5.0\"\n\"CurrentBuildNumber\"=\"2195\"\n",
                nullptr, 2, 5, 0, 2195},
        Fixture{"nt_10",
                "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1\n"
                "\"CurrentBuildNumber\"=\"19043\"\n"
                "\"CurrentMajorVersionNumber\"=dword:0000000a\n"
                "\"CurrentMinorVersionNumber\"=dword:00000000\n"
                "\"CurrentVersion\"=\"6.3\"\n",
                nullptr, 2, 10, 0, 19043},
        Fixture{"win98",
                "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion] 1\n"
                "\"ProgramFilesDir\"=\"C:\\\\Program Files\"\n"
                "\"VersionNumber\"=\"4.10.2222\"\n",
                nullptr, 1, 4, 10, 2222},
        // The version chosen for Wine wins, from user.reg or system.reg.
        Fixture{"wine_win31", kNtXp, "[Software\\\\Wine] 1\n\"Version\"=\"win31\"\n", 0, 3, 10, 0},
        Fixture{"wine_winme", kNtXp, "[Software\\\\Wine] 1\n\"Version\"=\"winme\"\n", 1, 4, 90,
                3000},
        Fixture{"wine_win95", kNtXp, "[software\\\\wine] 1\n\"Version\"=\"win95\"\n", 1, 4, 0, 950},
        Fixture{"wine_nt40", kNtXp, "[Software\\\\Wine] 1\n\"Version\"=\"nt40\"\n", 2, 4, 0, 1381},
        Fixture{"wine_win2003", kNtXp, "[Software\\\\Wine] 1\n\"Version\"=\"win2003\"\n", 2, 5, 2,
                3790},
        Fixture{"wine_unknown_name", kNtXp, "[Software\\\\Wine] 1\n\"Version\"=\"win99\"\n", 2, 5,
                1, 2600},
        Fixture{"nothing_readable", "[Software\\\\Other] 1\n\"CurrentVersion\"=\"5.1\"\n", nullptr,
                -1, 0, 0, 0},
        Fixture{"no_registry", nullptr, nullptr, -1, 0, 0, 0}),
    [](const testing::TestParamInfo<Fixture>& info) { return std::string(info.param.family); });

TEST(WindowsVersion, NoPrefixMeansNoWindows) {
    EXPECT_FALSE(platform::windowsVersion(DriveTable({{'c', "/"}})));
}

TEST(KernelVersion, ComesFromTheRunningKernel) {
    EXPECT_GT(platform::kernelVersion().major, 2);
}

TEST(LoginName, NamesTheProcessUser) {
    EXPECT_FALSE(platform::loginName().empty());
}

} // namespace
