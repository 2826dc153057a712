#include "platform/wildcard.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* pattern;
    const char* name;
    bool matches;
};

class WildcardTest : public testing::TestWithParam<Case> {};

TEST_P(WildcardTest, MatchesAsWindowsFileNamePatterns) {
    const Case& c = GetParam();
    EXPECT_EQ(platform::Wildcard(c.pattern).matches(c.name), c.matches)
        << '"' << c.pattern << "\" against \"" << c.name << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WildcardTest,
    testing::Values(
        // "*.*" takes every name, also one without a dot.
        Case{"*.*", "report.txt", true}, Case{"*.*", "README", true}, Case{"*.*", ".hidden", true},
        Case{"*", "anything at all", true},
        // "*" is any run, also an empty one.
        Case{"*.tmp", "a.tmp", true}, Case{"*.tmp", ".tmp", true},
        Case{"*.tmp", "a.tmp.bak", false}, Case{"*.tmp", "a.tmpx", false},
        Case{"~*", "~WRL0001.tmp", true}, Case{"a*b*c", "aXbYbZc", true},
        Case{"a*b*c", "aXbYcZ", false}, Case{"*.*~", "notes.txt~", true},
        Case{"*.*~", "notes~", false},
        // "?" is exactly one character.
        Case{"*.0??", "file.001", true}, Case{"*.0??", "file.01", false},
        Case{"*.0??", "file.0012", false}, Case{"?", "", false}, Case{"?", "ab", false},
        // One character is one code point, not one byte.
        Case{"?.txt", "ą.txt", true}, Case{"??.txt", "ą.txt", false}, Case{"*?ł", "żół", true},
        // a-z case ignored; Polish letters compare exactly.
        Case{"*.TMP", "cache.tmp", true}, Case{"INDEX.DAT", "index.dat", true},
        Case{"Zółw.txt", "zółw.txt", true}, Case{"ŻÓŁW.txt", "żółw.txt", false},
        Case{"zażółć", "ZAżółć", true},
        // The rest stands for itself: no regular-expression or glob meaning.
        Case{"*.&??", "x.&ab", true}, Case{"*.&??", "x.aab", false}, Case{"*.@@@", "x.@@@", true},
        Case{"*.@@@", "x.abc", false}, Case{"*.~??", "x.~ab", true}, Case{"*.###", "x.###", true},
        Case{"*.###", "x.123", false}, Case{"*.___", "x.___", true}, Case{"*.___", "x.abc", false},
        Case{"a.b", "aXb", false}, Case{"[ab].txt", "a.txt", false},
        Case{"[ab].txt", "[ab].txt", true}, Case{"", "", true}, Case{"", "a", false}));

} // namespace
