#include "platform/date_format.h"
#include "platform/environment.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

TEST(Environment, FoldersFollowTheEnvironmentAtEachCall) {
    Sandbox sandbox;
    EXPECT_EQ(platform::homeDirectory(), sandbox.home());
    EXPECT_EQ(platform::configHome(), sandbox.configHome());

    setenv("XDG_DATA_HOME", "/elsewhere/data", 1);
    EXPECT_EQ(platform::dataHome(), fs::path("/elsewhere/data"));
    // Unset or relative XDG variables fall back below the home.
    unsetenv("XDG_CONFIG_HOME");
    setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(platform::configHome(), sandbox.home() / ".config");
    EXPECT_EQ(platform::dataHome(), sandbox.home() / ".local/share");
}

TEST(DateFormat, PolishShortDateAndLongTimeInLocalTime) {
    const char* saved = std::getenv("TZ");
    const std::string previous = saved ? saved : "";
    setenv("TZ", "UTC-2", 1); // two hours east of UTC, whatever the machine's zone
    tzset();
    // 2024-03-05 21:07:09 UTC
    EXPECT_EQ(platform::shortDate(1709672829), "2024-03-05");
    EXPECT_EQ(platform::longTime(1709672829), "23:07:09");
    EXPECT_EQ(platform::shortDate(1709672829 + 3 * 3600), "2024-03-06");
    if (saved)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

} // namespace
