#include "cleaner/locations/location_list.h"
#include "cleaner/locations/system_detection.h"
#include "common/install_dir.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

using cleaner::Location;
using cleaner::SystemFamily;

TEST(LocationLine, SplitsAtTheFirstCaretOnly) {
    struct Case {
        const char* line;
        Location expected;
    } cases[] = {
        {"C:\\Windows\\Temp\\^*.*", {"C:\\Windows\\Temp\\", "*.*"}},
        {"D:\\Cache\\^", {"D:\\Cache\\", ""}},
        {"D:\\A^B\\^*.tmp", {"D:\\A", "B\\^*.tmp"}},
        {" C:\\x ^ *.a ", {" C:\\x ", " *.a "}},
        // Outside the format: kept as a directory that matches nothing, not dropped.
        {"C:\\NoCaret\\", {"C:\\NoCaret\\", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cleaner::parseLocationLine(c.line), c.expected) << c.line;
}

TEST(DefaultLocations, EachFamilyHasItsTable) {
    const auto nine = cleaner::defaultLocations(SystemFamily::Win9x);
    ASSERT_EQ(nine.size(), 7u);
    EXPECT_EQ(cleaner::formatLocationLine(nine[0]), "C:\\Windows\\^*.LOG");
    EXPECT_EQ(cleaner::formatLocationLine(nine[2]), "C:\\Windows\\Temp\\^*.*");
    EXPECT_EQ(cleaner::formatLocationLine(nine[6]), "C:\\WINDOWS\\Downloaded Program Files\\^*.*");

    const auto xp = cleaner::defaultLocations(SystemFamily::WinXP);
    ASSERT_EQ(xp.size(), 6u);
    for (const auto& location : xp)
        EXPECT_EQ(location.directory.find("Temporary Internet Files"), std::string::npos);

    const auto nt = cleaner::defaultLocations(SystemFamily::WinNT);
    ASSERT_EQ(nt.size(), 6u);
    EXPECT_EQ(cleaner::formatLocationLine(nt[3]), "C:\\Winnt\\Historia\\History.IE5\\^*.DAT");
    EXPECT_TRUE(cleaner::defaultLocations(SystemFamily::Win31).empty());
    EXPECT_EQ(cleaner::listFileName(SystemFamily::Win31), "");
}

class LocationFile : public testing::Test {
protected:
    Sandbox sandbox;
};

TEST_F(LocationFile, WritesCrLfLinesAndReadsThemBack) {
    const auto file = common::dataFile("lista.dat");
    const std::vector<Location> locations = {{"C:\\Temp\\", "*.*"}, {"D:\\Żółw\\", "*.ąę"}};
    cleaner::writeLocationFile(file, locations);
    EXPECT_EQ(Sandbox::readFile(file), "C:\\Temp\\^*.*\r\nD:\\\xAF\xF3\xB3w\\^*.\xB9\xEA\r\n");
    EXPECT_EQ(cleaner::readLocationFile(file), locations);
}

TEST_F(LocationFile, AcceptsLfLineEndsAndSkipsEmptyLines) {
    const auto file = common::dataFile("lista_XP.dat");
    Sandbox::writeFile(file, "C:\\A\\^*.tmp\n\nC:\\B\\^*.log");
    const std::vector<Location> expected = {{"C:\\A\\", "*.tmp"}, {"C:\\B\\", "*.log"}};
    EXPECT_EQ(cleaner::readLocationFile(file), expected);
}

TEST_F(LocationFile, UnreadableFileThrows) {
    std::filesystem::create_directories(common::dataFile("lista_NT.dat"));
    EXPECT_THROW(cleaner::readLocationFile(common::dataFile("lista_NT.dat")), std::system_error);
}

TEST(SystemDetection, FamiliesByPlatformAndVersion) {
    struct Case {
        platform::OsVersion version;
        std::optional<SystemFamily> family;
        const char* label;
    } cases[] = {
        {{0, 3, 10, 0},
         SystemFamily::Win31,
         "Twój system operacyjny: [Windows 3.1] 3.10 (Wersja: 0)"},
        {{1, 4, 10, 2222},
         SystemFamily::Win9x,
         "Twój system operacyjny: [Windows 9x/Me] 4.10 (Wersja: 2222)"},
        {{2, 5, 1, 2600},
         SystemFamily::WinXP,
         "Twój system operacyjny: [Windows XP] 5.1 (Wersja: 2600)"},
        {{2, 5, 2, 3790},
         SystemFamily::WinNT,
         "Twój system operacyjny: [Windows 2000] 5.2 (Wersja: 3790)"},
        {{2, 4, 0, 1381},
         SystemFamily::WinNT,
         "Twój system operacyjny: [Windows 2000] 4.0 (Wersja: 1381)"},
        {{3, 5, 1, 0}, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const auto detected = cleaner::detectSystem(c.version, {});
        EXPECT_EQ(detected.family, c.family) << c.label;
        EXPECT_EQ(detected.label, c.label);
    }
}

TEST(SystemDetection, LinuxHostUsesXpRulesAndSaysLinux) {
    const auto detected = cleaner::detectSystem(std::nullopt, {6, 1, 12});
    EXPECT_EQ(detected.family, SystemFamily::WinXP);
    EXPECT_EQ(detected.label, "Twój system operacyjny: [Linux] 6.1 (Wersja: 12)");
}

TEST(UserNameField, TProgressBarInAnyCaseBecomesTheAdministratorMarker) {
    EXPECT_EQ(cleaner::userNameField("tprogressBAR"), cleaner::kAdministratorMarker);
    EXPECT_EQ(cleaner::userNameField("jan"), "jan");
    EXPECT_EQ(cleaner::userNameField(""), "");
}
