#include "cleaner/locations/location_editor.h"
#include "cleaner/locations/profile_locations.h"
#include "cleaner/locations/profile_register.h"

#include "common/install_dir.h"
#include "common/text_file.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;
using cleaner::ProfileLayout;

namespace {
std::vector<std::string> lines(const cleaner::ProfileLocations& profile) {
    std::vector<std::string> result;
    for (const auto& location : profile.locations)
        result.push_back(cleaner::formatLocationLine(location));
    return result;
}
} // namespace

TEST(ProfileLocations, EachLayoutGivesItsLines) {
    EXPECT_EQ(lines(cleaner::profileLocations(ProfileLayout::NineX, "D", "jan")),
              (std::vector<std::string>{"C:\\WINDOWS\\Profiles\\jan\\Cookies\\^*.*",
                                        "C:\\WINDOWS\\Profiles\\jan\\Historia\\History.IE5\\^*.DAT",
                                        "C:\\WINDOWS\\Profiles\\jan\\Favorites\\^*.*"}));
    EXPECT_EQ(lines(cleaner::profileLocations(ProfileLayout::NineXOtherSystem, "D", "jan")),
              (std::vector<std::string>{"D:\\WINDOWS\\Profiles\\jan\\Cookies\\^*.*",
                                        "D:\\WINDOWS\\Profiles\\jan\\Historia\\History.IE5\\^*.DAT",
                                        "D:\\WINDOWS\\Profiles\\jan\\Favorites\\^*.*",
                                        "D:\\WINDOWS\\Recent\\^*.*", "D:\\WINDOWS\\^*.LOG",
                                        "D:\\WINDOWS\\^*.TMP", "D:\\Windows\\Temp\\^*.*"}));
    const std::string user = "E:\\Documents and Settings\\Ala Kot";
    EXPECT_EQ(
        lines(cleaner::profileLocations(ProfileLayout::NtXp, "E", "Ala Kot")),
        (std::vector<std::string>{user + "\\Ustawienia lokalne\\Historia\\History.IE5\\^*.DAT",
                                  user + "\\Ustawienia lokalne\\Temporary Internet Files\\^*.*",
                                  user + "\\Ustawienia lokalne\\Temp\\^*.*",
                                  user + "\\Cookies\\^*.*", user + "\\Ulubione\\^*.*"}));
}

TEST(ProfileLocations, ResetsTheContainersAndTheProfilesOwnFolders) {
    const auto nine = cleaner::profileLocations(ProfileLayout::NineXOtherSystem, "D", "jan");
    EXPECT_EQ(nine.resets,
              (std::vector<std::string>{"D:\\Windows\\Profiles", "D:\\Windows\\Profiles\\jan",
                                        "D:\\WINDOWS\\Profiles\\jan\\Cookies",
                                        "D:\\WINDOWS\\Profiles\\jan\\Historia\\History.IE5",
                                        "D:\\WINDOWS\\Profiles\\jan\\Favorites"}));
    const auto nt = cleaner::profileLocations(ProfileLayout::NtXp, "C", "jan");
    ASSERT_EQ(nt.resets.size(), 7u);
    EXPECT_EQ(nt.resets[0], "C:\\Documents and Settings\\jan");
    EXPECT_EQ(nt.resets[1], "C:\\Documents and Settings\\jan\\Ustawienia lokalne");
    EXPECT_EQ(nt.resets[6], "C:\\Documents and Settings\\jan\\Ulubione");
}

TEST(ProfileNames, SystemFoldersAreRefusedInTheirExactCase) {
    struct Case {
        const char* name;
        bool refuseSystem;
        bool refused;
    } cases[] = {
        {"Windows", false, true},  {"Documents and Settings", false, true},
        {"Winnt", false, true},    {"System32", false, true},
        {"Profiles", false, true}, {"C:\\", false, true},
        {"WINDOWS", false, false}, {"profiles", false, false},
        {"System", false, false},  {"System", true, true},
        {"SYSTEM", true, false},   {"jan", true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cleaner::isSystemFolderName(c.name, c.refuseSystem), c.refused) << c.name;
}

TEST(ProfileNames, ARegisteredNameMatchesIgnoringOnlyTheCaseOfLettersAToZ) {
    const std::vector<std::string> registered = {"Administrator lub błędnie utworzony użytkownik",
                                                 "JAN", "Łukasz"};
    const struct {
        const char* name;
        bool found;
    } cases[] = {{"jan", true},    {"Jan", true},    {"ja", false},
                 {"Łukasz", true}, {"ŁUKASZ", true}, {"łukasz", false}};
    for (const auto& c : cases)
        EXPECT_EQ(cleaner::isProfileRegistered(registered, c.name), c.found) << c.name;
}

TEST(ProfileNames, NamesTheListFileCannotHoldAreRefused) {
    EXPECT_EQ(cleaner::unstorableProfileName("Łukasz"), std::nullopt);
    EXPECT_NE(cleaner::unstorableProfileName("用户"), std::nullopt);
    // "^" splits a list line: the profile's directory would be read back cut short.
    EXPECT_NE(cleaner::unstorableProfileName("a^b"), std::nullopt);
}

TEST(ProfileLocations, DriveOfTheFirstLocation) {
    EXPECT_EQ(cleaner::driveOfFirstLocation({{"D:\\Windows\\", "*.LOG"}, {"C:\\", "*"}}), "D");
    EXPECT_EQ(cleaner::driveOfFirstLocation({}), "C");
}

class AppendProfileTest : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    platform::DriveTable drives{{{'c', c}}};
    fs::path list = common::dataFile("lista_XP.dat");
    cleaner::ProfileLocations profile = cleaner::profileLocations(ProfileLayout::NtXp, "C", "jan");
};

TEST_F(AppendProfileTest, AppendsToAnExistingListAndResetsTheFolders) {
    Sandbox::writeFile(list, "C:\\Temp\\^*.*\r\n");
    const fs::path cookies = c / "Documents and Settings/jan/Cookies";
    fs::create_directories(cookies);
    chmod(cookies.c_str(), 0555);

    EXPECT_TRUE(cleaner::appendProfileLocations(drives, list, profile));

    const auto written = common::readLines(list);
    ASSERT_EQ(written.size(), 6u);
    EXPECT_EQ(written[0], "C:\\Temp\\^*.*");
    EXPECT_EQ(written[4], "C:\\Documents and Settings\\jan\\Cookies\\^*.*");
    EXPECT_NE(fs::status(cookies).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(AppendProfileTest, AMissingListFileGetsNoLinesButTheResetsAreMade) {
    const fs::path profiles = c / "Documents and Settings/jan";
    fs::create_directories(profiles);
    chmod(profiles.c_str(), 0555);
    EXPECT_FALSE(cleaner::appendProfileLocations(drives, list, profile));
    EXPECT_FALSE(fs::exists(list));
    EXPECT_NE(fs::status(profiles).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(AppendProfileTest, AListThatCannotTakeTheLinesStaysWhole) {
    Sandbox::writeFile(list, "C:\\Temp\\^*.*\r\n");
    const auto unstorable = cleaner::profileLocations(ProfileLayout::NtXp, "C", "用户");
    EXPECT_THROW(cleaner::appendProfileLocations(drives, list, unstorable), common::EncodingError);
    EXPECT_EQ(Sandbox::readFile(list), "C:\\Temp\\^*.*\r\n");
}

TEST(LocationEditorRules, DirectoryOfANewLocation) {
    EXPECT_EQ(cleaner::locationDirectory("C:\\"), "C:\\");
    EXPECT_EQ(cleaner::locationDirectory("C:\\Temp"), "C:\\Temp\\");
    EXPECT_EQ(cleaner::locationDirectory("\\\\s"), "\\\\s"); // three characters stay as they are
}

TEST(LocationEditorRules, TheReadyMadeMasks) {
    const auto& masks = cleaner::readyMadeMasks();
    ASSERT_EQ(masks.size(), 47u);
    EXPECT_EQ(masks.front(), "*.*");
    EXPECT_EQ(masks[8], "*.BACKUP");
    EXPECT_EQ(masks[27], "*.___");
    EXPECT_EQ(masks.back(), "*.JS");
}

TEST(LocationEditorRules, LocationsTheListFileCannotHold) {
    EXPECT_EQ(cleaner::unstorableLocation({"C:\\Pliki ąę\\", "*.~*"}), std::nullopt);
    EXPECT_EQ(cleaner::unstorableLocation({"C:\\Temp\\", "a^b"}), std::nullopt);
    EXPECT_NE(cleaner::unstorableLocation({"C:\\A^B\\", "*.*"}), std::nullopt);
    EXPECT_NE(cleaner::unstorableLocation({"C:\\文件\\", "*.*"}), std::nullopt);
    EXPECT_NE(cleaner::unstorableLocation({"C:\\Temp\\", "*.文"}), std::nullopt);
}
