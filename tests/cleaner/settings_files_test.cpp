#include "cleaner/shell/settings_files.h"
#include "common/install_dir.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

class SettingsFiles : public testing::Test {
protected:
    Sandbox sandbox;
    std::string read(const char* name) { return Sandbox::readFile(common::dataFile(name)); }
    void write(const char* name, const std::string& bytes) {
        Sandbox::writeFile(common::dataFile(name), bytes);
    }
};

TEST_F(SettingsFiles, OptionsReadAsStoredAndOddLinesLeaveTheirBox) {
    EXPECT_FALSE(cleaner::readOptions());
    write("ust.dat", "1\r\n0\r\n1\r\n0\r\n");
    cleaner::StoredOptions expected = {true, false, true, false};
    EXPECT_EQ(cleaner::readOptions(), expected);

    // Not a number, a number other than 1, and a missing fourth line.
    write("ust.dat", "tak\r\n2\r\n 1 \r\n");
    expected = {std::nullopt, false, true, std::nullopt};
    EXPECT_EQ(cleaner::readOptions(), expected);
}

TEST_F(SettingsFiles, SavingOptionsWithoutAFileWritesFourOnes) {
    cleaner::saveOptions({false, true, false, false});
    EXPECT_EQ(read("ust.dat"), "1\r\n1\r\n1\r\n1\r\n");
    cleaner::saveOptions({false, true, false, true});
    EXPECT_EQ(read("ust.dat"), "0\r\n1\r\n0\r\n1\r\n");
}

TEST_F(SettingsFiles, LastCleaningIsCreatedThenRecorded) {
    EXPECT_FALSE(cleaner::readLastCleaningOrCreate());
    EXPECT_EQ(read("data.dat"), "JESZCZE NIE CZYSZCZONO\r\n");
    EXPECT_EQ(cleaner::readLastCleaningOrCreate(), "JESZCZE NIE CZYSZCZONO");

    std::tm when = {};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 3;
    when.tm_hour = 7;
    when.tm_min = 5;
    when.tm_sec = 9;
    when.tm_isdst = -1;
    cleaner::recordCleaning(std::mktime(&when));
    EXPECT_EQ(read("data.dat"), "2026-12-03   Godz: 07:05\r\n");
}

TEST_F(SettingsFiles, RecordingWithoutAFileOnlyCreatesIt) {
    cleaner::recordCleaning(0);
    EXPECT_EQ(read("data.dat"), "JESZCZE NIE CZYSZCZONO\r\n");
}

TEST_F(SettingsFiles, WindowState) {
    EXPECT_FALSE(cleaner::readWindowMaximized());
    // A missing file is created with "0" whatever the state.
    cleaner::saveWindowState(true);
    EXPECT_EQ(read("Rozmiar.dat"), "0\r\n");
    cleaner::saveWindowState(true);
    EXPECT_EQ(read("Rozmiar.dat"), "1\r\n");
    for (const char* first : {"1", "2"}) {
        write("Rozmiar.dat", std::string(first) + "\r\n");
        EXPECT_TRUE(cleaner::readWindowMaximized()) << first;
    }
    write("Rozmiar.dat", "0\r\n");
    EXPECT_FALSE(cleaner::readWindowMaximized());
}
