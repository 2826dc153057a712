#include "platform/short_name.h"

#include <gtest/gtest.h>

using platform::shortName;

TEST(ShortName, AliasOfALoneName) {
    struct Case {
        const char* longName;
        const char* alias;
    };
    const Case cases[] = {
        // Already valid 8.3 names (letter case aside) have no alias.
        {"readme.txt", ""},
        {"README.TXT", ""},
        {"MAKEFILE", ""},
        {"a", ""},
        {"12345678.123", ""},
        {"A!#$%&'(.)-@", ""},
        {"^_`{}~.X", ""},
        // Everything else gets one.
        {"Program Files", "PROGRA~1"},
        {"a.b.c.txt", "ABC~1.TXT"},
        {"longfilename.html", "LONGFI~1.HTM"},
        {"123456789.txt", "123456~1.TXT"},
        {"read me.txt", "README~1.TXT"},
        {"name.", "NAME~1"},
        {".bashrc", "BASHRC~1"},
        {"..hidden.tar.gz", "HIDDEN~1.GZ"},
        {"a+b,c;d=e[f].txt", "ABCDEF~1.TXT"},
        {"ąbc.txt", "BC~1.TXT"},
        {"zażółć.pdf", "ZA~1.PDF"},
        {"plik.ąęx", "PLIK~1.X"},
        {"ą.ę", "~1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shortName(c.longName, {}), c.alias) << c.longName;
}

TEST(ShortName, NumberedPastTheNamesAndAliasesOfItsDirectory) {
    // Siblings earlier in the directory hold the lower numbers.
    const std::vector<std::string> programs = {"Program Files", "Program Files (x86)",
                                               "ProgramData"};
    EXPECT_EQ(shortName("Program Files", programs), "PROGRA~1");
    EXPECT_EQ(shortName("Program Files (x86)", programs), "PROGRA~2");
    EXPECT_EQ(shortName("ProgramData", programs), "PROGRA~3");
    // A name not yet in the list comes after all of them.
    EXPECT_EQ(shortName("Programs old", programs), "PROGRA~4");

    // A sibling whose own name looks like the alias takes that number, case ignored.
    EXPECT_EQ(shortName("longfilename.html", {"longfi~1.htm"}), "LONGFI~2.HTM");
    // Valid 8.3 siblings have no alias and take nothing but their names.
    EXPECT_EQ(shortName("a b.txt", {"readme.txt", "a b.txt"}), "AB~1.TXT");
}

TEST(ShortName, NumbersPastNineShortenTheBase) {
    std::vector<std::string> siblings;
    for (int i = 0; i < 12; ++i)
        siblings.push_back("document number " + std::to_string(i) + ".txt");
    EXPECT_EQ(shortName(siblings[0], siblings), "DOCUME~1.TXT");
    EXPECT_EQ(shortName(siblings[8], siblings), "DOCUME~9.TXT");
    EXPECT_EQ(shortName(siblings[9], siblings), "DOCUM~10.TXT");
    EXPECT_EQ(shortName(siblings[11], siblings), "DOCUM~12.TXT");
}
