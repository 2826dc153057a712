#include "virus_scanner/virus_list.h"

#include "common/text_file.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;
using virkil::VirusList;

class VirusListTest : public testing::Test {
protected:
    fs::path file() const { return sandbox.install() / "Viry.dat"; }

    Sandbox sandbox;
    VirusList list;
};

TEST_F(VirusListTest, LoadsEveryLineSortedWithLetterCaseIgnored) {
    // CP1250 bytes: "Łobuz.com" (0xA3 = Ł), an empty line, LF alone on the last line.
    Sandbox::writeFile(file(), "virus.exe\r\nZorro.bat\r\n\xA3obuz.com\r\n\r\nAlpha.dll\nbeta.vbs");
    ASSERT_EQ(list.load(file()), VirusList::LoadResult::Loaded);
    EXPECT_EQ(list.names(), (std::vector<std::string>{"", "Alpha.dll", "beta.vbs", "virus.exe",
                                                      "Zorro.bat", "Łobuz.com"}));
    EXPECT_EQ(list.key(3), "VIRUS.EXE");
}

TEST_F(VirusListTest, MissingFileGivesAnEmptyListAndIsNeverCreated) {
    EXPECT_EQ(list.load(file()), VirusList::LoadResult::Missing);
    EXPECT_TRUE(list.empty());
    list.insert("Virus.exe");
    list.Zapisz_wirusa(file());
    EXPECT_FALSE(fs::exists(file()));
}

TEST_F(VirusListTest, EmptyFileIsLoadedAsAnEmptyListAndWrittenBack) {
    Sandbox::writeFile(file(), "");
    ASSERT_EQ(list.load(file()), VirusList::LoadResult::Loaded);
    EXPECT_TRUE(list.empty());
    list.insert("Virus.exe");
    list.Zapisz_wirusa(file());
    EXPECT_EQ(Sandbox::readFile(file()), "Virus.exe\r\n");
}

TEST_F(VirusListTest, InsertKeepsTheOrderAndDuplicates) {
    Sandbox::writeFile(file(), "b.exe\r\nD.exe\r\n");
    list.load(file());
    EXPECT_EQ(list.insert("c.exe"), 1u);
    EXPECT_EQ(list.insert("a.exe"), 0u);
    EXPECT_EQ(list.insert("B.EXE"), 2u); // after the equal name already there
    EXPECT_EQ(list.insert("zz.exe"), 5u);
    EXPECT_EQ(list.names(),
              (std::vector<std::string>{"a.exe", "b.exe", "B.EXE", "c.exe", "D.exe", "zz.exe"}));
    list.remove(2);
    list.remove(99); // out of range: nothing
    EXPECT_EQ(list.names(),
              (std::vector<std::string>{"a.exe", "b.exe", "c.exe", "D.exe", "zz.exe"}));
}

TEST_F(VirusListTest, SaveWritesTheSortedListInWindows1250) {
    Sandbox::writeFile(file(), "Zly.exe\r\n");
    list.load(file());
    list.insert("\xC5\x81obuz.com"); // Łobuz.com
    list.insert("Abc.exe");
    list.Zapisz_wirusa(file());
    EXPECT_EQ(Sandbox::readFile(file()), "Abc.exe\r\nZly.exe\r\n\xA3obuz.com\r\n");
}

TEST_F(VirusListTest, NameWindows1250CannotHoldLeavesTheFileUntouched) {
    Sandbox::writeFile(file(), "Virus.exe\r\n");
    list.load(file());
    list.insert("\xE4\xB8\xAD.exe"); // a CJK character
    EXPECT_THROW(list.Zapisz_wirusa(file()), common::EncodingError);
    EXPECT_EQ(Sandbox::readFile(file()), "Virus.exe\r\n");
}

TEST_F(VirusListTest, FileThatCouldNotBeReadIsNeverOverwritten) {
    // A directory in place of the file: it exists but cannot be read.
    fs::create_directories(file());
    EXPECT_THROW(list.load(file()), std::system_error);
    EXPECT_TRUE(list.empty());
    fs::remove(file());
    Sandbox::writeFile(file(), "Virus.exe\r\n"); // readable again, but never loaded
    list.insert("Other.exe");
    list.Zapisz_wirusa(file());
    EXPECT_EQ(Sandbox::readFile(file()), "Virus.exe\r\n");
}

TEST_F(VirusListTest, TenThousandNamesLoadSortedAndSaveUnchanged) {
    std::string bytes;
    for (int i = 9999; i >= 0; --i)
        bytes += "virus" + std::to_string(100000 + i) + ".exe\r\n";
    Sandbox::writeFile(file(), bytes);
    list.load(file());
    ASSERT_EQ(list.size(), 10000u);
    EXPECT_EQ(list.name(0), "virus100000.exe");
    EXPECT_EQ(list.name(9999), "virus109999.exe");
    list.Zapisz_wirusa(file());
    const std::string saved = Sandbox::readFile(file());
    EXPECT_EQ(saved.size(), bytes.size());
    EXPECT_EQ(saved.substr(0, 17), "virus100000.exe\r\n");
}

TEST_F(VirusListTest, FindTakesTheFirstEntryBeginningWithTheText) {
    Sandbox::writeFile(file(), "abc.exe\r\nVIRek.com\r\nvirus.exe\r\n\xA3obuz.com\r\n");
    list.load(file());
    struct Case {
        std::string text;
        std::optional<std::size_t> index;
    };
    const Case cases[] = {
        {"vir", 1},
        {"VIRU", 2},
        {"virus.exe", 2},
        {"virus.exe1", std::nullopt}, // longer than the entry
        {"irus", std::nullopt},       // no partial match inside the name
        {"\xC5\x81o", 3},             // "Ło": a Polish letter counts as one character
        {"\xC5\x82o", std::nullopt},  // "ło": only a-z ignore case
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.findPrefix(c.text), c.index) << c.text;
}

TEST(ScannedExtension, OnlyTheSevenLowerCaseExtensions) {
    for (const char* name :
         {"a.exe", "a.com", "a.bat", "a.cab", "a.dll", "a.ocx", "a.vbs", "exe", "plik.tar.dll"})
        EXPECT_TRUE(virkil::hasScannedExtension(name)) << name;
    for (const char* name : {"a.EXE", "a.Exe", "a.txt", "Trojan", "ex", "", "a.exe ", "a.sys"})
        EXPECT_FALSE(virkil::hasScannedExtension(name)) << name;
}
