#include "common/letter_case.h"

#include <gtest/gtest.h>

using namespace common;

TEST(LetterCase, OnlyAsciiLettersChange) {
    EXPECT_EQ(toUpperAscii("c:\\windows\\temp ąę źż 1.tmp"), "C:\\WINDOWS\\TEMP ąę źż 1.TMP");
    EXPECT_EQ(toLowerAscii("ĄĘ ŹŻ ABC~1.TXT"), "ĄĘ ŹŻ abc~1.txt");
}

TEST(LetterCase, EqualityIgnoresAsciiCaseOnly) {
    EXPECT_TRUE(equalsIgnoreAsciiCase("C:\\Windows\\Temp", "c:\\WINDOWS\\temp"));
    EXPECT_FALSE(equalsIgnoreAsciiCase("ą", "Ą")); // Polish letters keep their case
    EXPECT_FALSE(equalsIgnoreAsciiCase("abc", "abcd"));
    EXPECT_FALSE(equalsIgnoreAsciiCase("a@", "a`")); // '@' and '`' are not letters
}

TEST(LetterCase, CountsAndCutsCharactersNotBytes) {
    EXPECT_EQ(characterCount("zażółć"), 6u);
    EXPECT_EQ(characterCount(""), 0u);
    EXPECT_EQ(leftCharacters("zażółć gęślą", 4), "zażó");
    EXPECT_EQ(leftCharacters("ąb", 1), "ą");
    EXPECT_EQ(leftCharacters("ąb", 0), "");
    EXPECT_EQ(leftCharacters("ąb", 10), "ąb");
}
