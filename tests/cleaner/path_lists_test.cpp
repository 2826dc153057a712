#include "cleaner/junk/junk_search.h"
#include "cleaner/junk/path_lists.h"

#include <gtest/gtest.h>

using cleaner::PathLists;

TEST(PathLists, ThresholdsOfTheFileCounter) {
    struct Case {
        std::int32_t counter;
        int list;
    } cases[] = {{2, 1}, {32735, 1}, {32736, 2}, {65469, 2}, {65470, 3}, {98204, 3}, {98205, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(PathLists::listForCounter(c.counter), c.list) << c.counter;
}

TEST(PathLists, RowsBeyondTheFirstListAreFoundAndRemovedWhereTheyLie) {
    PathLists lists;
    // The search starts the counter at 1, so the first file gets 2.
    for (std::int32_t counter = 2; counter <= 32737; ++counter)
        lists.add(counter, {"C:\\f" + std::to_string(counter), 3});
    EXPECT_EQ(lists.list(1).size(), 32734u);
    EXPECT_EQ(lists.list(2).size(), 2u);
    EXPECT_EQ(lists.active(), 2);

    // Row 32734 is the 32735th file: the first entry of the second list.
    ASSERT_NE(lists.atRow(32734), nullptr);
    EXPECT_EQ(lists.atRow(32734)->path, "C:\\f32736");
    EXPECT_TRUE(lists.removeRow(32734));
    EXPECT_EQ(lists.list(1).size(), 32734u);
    ASSERT_EQ(lists.list(2).size(), 1u);
    EXPECT_EQ(lists.list(2)[0].path, "C:\\f32737");
    EXPECT_FALSE(lists.removeRow(40000));
}

TEST(SearchClock, CarriesSecondsIntoMinutesAndHours) {
    struct Case {
        int ticks;
        const char* text;
    } cases[] = {{1, "00:00:01"},    {59, "00:00:59"},   {60, "00:01:00"},
                 {3599, "00:59:59"}, {3600, "01:00:00"}, {360000, "100:00:00"}};
    for (const auto& c : cases) {
        cleaner::SearchClock clock;
        for (int i = 0; i < c.ticks; ++i)
            clock.tick();
        EXPECT_EQ(clock.text(), c.text) << c.ticks;
    }
}
