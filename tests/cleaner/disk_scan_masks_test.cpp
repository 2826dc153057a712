#include "cleaner/disk_scanner/mask_sets.h"

#include "common/install_dir.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

using cleaner::MaskSet;
using cleaner::SearchSet;

class MaskSetsTest : public testing::Test {
protected:
    Sandbox sandbox;
};

TEST_F(MaskSetsTest, DefaultListsAreTheOnesShownAndSaved) {
    EXPECT_EQ(cleaner::shownDefaultMasks(MaskSet::Full).size(), 43u);
    EXPECT_EQ(cleaner::savedDefaultMasks(MaskSet::Full).size(), 47u);
    EXPECT_EQ(cleaner::shownDefaultMasks(MaskSet::Restricted).size(), 16u);
    EXPECT_EQ(cleaner::savedDefaultMasks(MaskSet::Restricted).size(), 19u);
    EXPECT_EQ(cleaner::savedDefaultMasks(MaskSet::Full)[6], "*.LGD");
    EXPECT_EQ(cleaner::savedDefaultMasks(MaskSet::Full).back(), "*.FTG");
}

TEST_F(MaskSetsTest, SavingWithoutTheFileWritesTheSavedDefaultsNotTheList) {
    EXPECT_FALSE(cleaner::readMaskFile(MaskSet::Full));
    EXPECT_FALSE(cleaner::saveMaskFile(MaskSet::Full, {"*.XYZ"}));
    EXPECT_EQ(*cleaner::readMaskFile(MaskSet::Full), cleaner::savedDefaultMasks(MaskSet::Full));

    EXPECT_TRUE(cleaner::saveMaskFile(MaskSet::Full, {"*.XYZ", ""}));
    EXPECT_EQ(Sandbox::readFile(common::dataFile("maski.dat")), "*.XYZ\r\n\r\n");
    EXPECT_EQ(*cleaner::readMaskFile(MaskSet::Full), (std::vector<std::string>{"*.XYZ", ""}));
    EXPECT_FALSE(common::dataFileExists("maski2.dat"));

    // Every mask removed: an empty file, read back as an empty list, not the defaults.
    cleaner::saveMaskFile(MaskSet::Full, {});
    EXPECT_TRUE(cleaner::readMaskFile(MaskSet::Full)->empty());
}

TEST(MaskInput, TwoToFourCharactersBecomeAnUpperCaseMask) {
    const struct {
        const char* typed;
        const char* mask; // nullptr: refused
    } cases[] = {
        {"doc", "*.DOC"}, {"Db", "*.DB"}, {"~pas", "*.~PAS"}, {"*?", "*.*?"},
        {"ąb", "*.ąB"},   {"x", nullptr}, {"htmls", nullptr}, {"", nullptr},
    };
    for (const auto& c : cases) {
        const auto mask = cleaner::maskFromInput(c.typed);
        if (c.mask) {
            EXPECT_EQ(mask.value_or("(none)"), c.mask) << c.typed;
        } else {
            EXPECT_FALSE(mask) << c.typed;
        }
    }
}

TEST(SearchSetMatching, OnlyLowerCaseThreeAndFourLetterExtensionsMatch) {
    SearchSet set;
    set.copyAll({"*.TMP", "*.~PAS", "*.DB", "*.~H", "", "*.ąść"});
    EXPECT_EQ(set.entries()[0], "*.tmp");
    EXPECT_EQ(set.entries()[5], "*.ąść");
    const struct {
        const char* name;
        bool matches;
    } cases[] = {
        {"report.tmp", true}, {".tmp", true},     {"REPORT.TMP", false}, {"report.Tmp", false},
        {"unit1.~pas", true}, {"a.db", false},    {"b.~h", false},       {"tmp", false},
        {"x.tmpx", false},    {"plik.ąść", true}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(set.matchesFileName(c.name), c.matches) << c.name;
    EXPECT_TRUE(set.contains("*.tmp"));
    EXPECT_FALSE(set.contains("*.TMP"));
}

TEST(SearchSetMatching, UnselectedEntriesNeverMatch) {
    SearchSet set;
    set.addEntry("*.TMP", false);
    set.addEntry("*.LOG", true);
    EXPECT_EQ(set.entries(), (std::vector<std::string>{"*.*", "*.log"}));
    EXPECT_FALSE(set.matchesFileName("a.tmp"));
    // Linux allows "*" in a name: a file named ".*" is not picked up by an unselected mask.
    EXPECT_FALSE(set.matchesFileName(".*"));
    EXPECT_TRUE(set.matchesFileName("a.log"));
}
