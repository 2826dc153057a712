#include "cleaner/junk/junk_removal.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;
using cleaner::PathLists;

namespace {

// Queues a file of the walked location "C:\loc\" as the search would.
void queue(PathLists& lists, std::int32_t counter, const std::string& path) {
    lists.add(counter, {path, static_cast<std::uint32_t>(std::string("C:\\loc\\").size())});
}

} // namespace

class JunkRemovalTest : public testing::Test {
protected:
    void SetUp() override {
        c = sandbox.addDrive('c');
        drives = platform::DriveTable::load();
    }
    Sandbox sandbox;
    fs::path c;
    platform::DriveTable drives;
};

TEST_F(JunkRemovalTest, DeletesEveryQueuedFileAndReturnsTheOnesThatStayed) {
    Sandbox::writeFile(c / "loc/a.tmp", "a");
    Sandbox::writeFile(c / "loc/locked.tmp", "b");
    fs::permissions(c / "loc/locked.tmp", fs::perms::owner_write, fs::perm_options::remove);
    Sandbox::writeFile(c / "loc/sub/b.tmp", "c");
    PathLists lists;
    queue(lists, 2, "C:\\loc\\a.tmp");
    queue(lists, 3, "C:\\loc\\locked.tmp");
    queue(lists, 4, "C:\\loc\\gone.tmp");
    queue(lists, 5, "C:\\loc\\sub\\b.tmp");

    std::vector<std::pair<int, std::size_t>> started;
    std::size_t tried = 0;
    cleaner::RemovalProgress progress;
    progress.listStarted = [&](int list, std::size_t count) { started.emplace_back(list, count); };
    progress.tried = [&](std::size_t) { ++tried; };
    const auto failed = cleaner::removeQueued(drives, lists, progress);

    EXPECT_EQ(failed, (std::vector<std::string>{"C:\\loc\\locked.tmp", "C:\\loc\\gone.tmp"}));
    EXPECT_FALSE(fs::exists(c / "loc/a.tmp"));
    EXPECT_FALSE(fs::exists(c / "loc/sub/b.tmp"));
    EXPECT_TRUE(fs::exists(c / "loc/locked.tmp"));
    EXPECT_EQ(started, (std::vector<std::pair<int, std::size_t>>{{1, 4}}));
    EXPECT_EQ(tried, 4u);
}

TEST_F(JunkRemovalTest, ADirectorySwappedForALinkAfterTheSearchCannotLeadOutside) {
    Sandbox::writeFile(c / "loc/sub/victim.tmp", "listed");
    PathLists lists;
    queue(lists, 2, "C:\\loc\\sub\\victim.tmp");
    // Between the search and the removal the directory becomes a link to a file elsewhere.
    const fs::path outside = sandbox.root() / "outside";
    Sandbox::writeFile(outside / "victim.tmp", "precious");
    fs::rename(c / "loc/sub", c / "loc/sub.old");
    fs::create_directory_symlink(outside, c / "loc/sub");

    const auto failed = cleaner::removeQueued(drives, lists);

    EXPECT_EQ(failed, std::vector<std::string>{"C:\\loc\\sub\\victim.tmp"});
    EXPECT_EQ(Sandbox::readFile(outside / "victim.tmp"), "precious");
    EXPECT_TRUE(fs::exists(c / "loc/sub.old/victim.tmp"));
}

TEST_F(JunkRemovalTest, ADirectorySwappedForALinkDuringTheRemovalCannotLeadOutsideEither) {
    Sandbox::writeFile(c / "loc/sub/a.tmp", "listed");
    Sandbox::writeFile(c / "loc/sub/b.tmp", "listed");
    Sandbox::writeFile(c / "loc/other/c.tmp", "listed");
    PathLists lists;
    queue(lists, 2, "C:\\loc\\sub\\a.tmp");
    queue(lists, 3, "C:\\loc\\sub\\b.tmp");
    queue(lists, 4, "C:\\loc\\other\\c.tmp");
    const fs::path outside = sandbox.root() / "outside";
    Sandbox::writeFile(outside / "b.tmp", "precious");
    cleaner::RemovalProgress progress;
    progress.tried = [&](std::size_t index) {
        if (index != 0)
            return;
        fs::rename(c / "loc/sub", c / "loc/sub.old");
        fs::create_directory_symlink(outside, c / "loc/sub");
    };

    EXPECT_TRUE(cleaner::removeQueued(drives, lists, progress).empty());

    // The listed file went from the directory it was listed in; nothing behind the link did.
    EXPECT_EQ(Sandbox::readFile(outside / "b.tmp"), "precious");
    EXPECT_FALSE(fs::exists(c / "loc/sub.old/b.tmp"));
    EXPECT_FALSE(fs::exists(c / "loc/other/c.tmp"));
}

TEST_F(JunkRemovalTest, OnlyListsUpToTheActiveOneAreDeleted) {
    PathLists lists;
    for (int list = 1; list <= 2; ++list) {
        const std::string name = "f" + std::to_string(list) + ".tmp";
        Sandbox::writeFile(c / "loc" / name, "x");
        lists.list(list).push_back({"C:\\loc\\" + name, 7});
    }
    lists.setActive(1);
    EXPECT_TRUE(cleaner::removeQueued(drives, lists).empty());
    EXPECT_FALSE(fs::exists(c / "loc/f1.tmp"));
    EXPECT_TRUE(fs::exists(c / "loc/f2.tmp"));

    // An active list outside 1..4 deletes nothing.
    lists.setActive(0);
    cleaner::removeQueued(drives, lists);
    EXPECT_TRUE(fs::exists(c / "loc/f2.tmp"));
}

TEST_F(JunkRemovalTest, SingleRowCommandsFindRowsBeyondTheFirstList) {
    PathLists lists;
    for (std::int32_t counter = 2; counter <= 32740; ++counter)
        queue(lists, counter, "C:\\loc\\f" + std::to_string(counter) + ".tmp");
    Sandbox::writeFile(c / "loc/f32737.tmp", "x");

    // Row 32735 is the second entry of the second list.
    const auto deleted = cleaner::deleteRow(drives, lists, 32735, "C:\\loc\\f32737.tmp");
    EXPECT_FALSE(deleted.error);
    EXPECT_FALSE(fs::exists(c / "loc/f32737.tmp"));
    EXPECT_EQ(lists.list(2).size(), 4u);
    EXPECT_EQ(lists.atRow(32735)->path, "C:\\loc\\f32738.tmp");

    EXPECT_TRUE(cleaner::keepRow(lists, 32735, "C:\\loc\\f32738.tmp"));
    EXPECT_EQ(lists.atRow(32735)->path, "C:\\loc\\f32739.tmp");
    EXPECT_EQ(lists.list(1).size(), 32734u);
}

TEST_F(JunkRemovalTest, ARowWhoseQueuedPathDiffersIsRefused) {
    Sandbox::writeFile(c / "loc/a.tmp", "x");
    Sandbox::writeFile(c / "loc/b.tmp", "x");
    PathLists lists;
    queue(lists, 2, "C:\\loc\\a.tmp");
    queue(lists, 3, "C:\\loc\\b.tmp");

    EXPECT_TRUE(cleaner::deleteRow(drives, lists, 0, "C:\\loc\\b.tmp").error);
    EXPECT_FALSE(cleaner::keepRow(lists, 0, "C:\\loc\\b.tmp"));
    EXPECT_TRUE(fs::exists(c / "loc/a.tmp"));
    EXPECT_EQ(lists.totalSize(), 2u);

    // A failed deletion keeps the path queued.
    fs::permissions(c / "loc/b.tmp", fs::perms::owner_write, fs::perm_options::remove);
    const auto failed = cleaner::deleteRow(drives, lists, 1, "C:\\loc\\b.tmp");
    EXPECT_TRUE(failed.error);
    EXPECT_EQ(failed.path, "C:\\loc\\b.tmp");
    EXPECT_EQ(lists.totalSize(), 2u);
}

TEST(ExtensionFilter, ComparesTheLastThreeCharactersExactly) {
    struct Case {
        const char* filter;
        std::vector<std::size_t> dropped;
    } cases[] = {
        {"TMP", {1, 2}},      // a.TMP stays; b.tmp and c.LOG go
        {"tmp", {0, 2}},      //
        {"*.TMP", {0, 1, 2}}, // not three characters: nothing matches
        {"MP", {0, 1, 2}},    //
        {"LOG", {0, 1}},      //
    };
    for (const auto& test : cases) {
        PathLists lists;
        lists.add(2, {"C:\\Temp\\a.TMP", 8});
        lists.add(3, {"C:\\Temp\\b.tmp", 8});
        lists.add(4, {"C:\\Temp\\c.LOG", 8});
        EXPECT_EQ(cleaner::filterByExtension(lists, test.filter), test.dropped) << test.filter;
        EXPECT_EQ(lists.totalSize(), 3 - test.dropped.size()) << test.filter;
    }
}

TEST(ExtensionFilter, DropsTheRowsItRemovedFromEveryList) {
    PathLists lists;
    for (std::int32_t counter = 2; counter <= 70000; ++counter)
        lists.add(counter,
                  {"C:\\f" + std::to_string(counter) + (counter % 3 ? ".tmp" : ".log"), 3});
    std::vector<std::size_t> expected;
    for (std::int32_t counter = 2; counter <= 70000; ++counter) {
        if (counter % 3 == 0)
            expected.push_back(static_cast<std::size_t>(counter - 2));
    }
    ASSERT_EQ(lists.active(), 3);

    EXPECT_EQ(cleaner::filterByExtension(lists, "tmp"), expected);
    for (std::size_t row = 0; row < lists.totalSize(); ++row)
        ASSERT_TRUE(lists.atRow(row)->path.ends_with(".tmp")) << row;
    EXPECT_EQ(lists.active(), 3);
}

TEST(ExtensionFilter, CountsCharactersNotBytes) {
    EXPECT_EQ(cleaner::lastThreeCharacters("C:\\plik.żół"), "żół");
    EXPECT_EQ(cleaner::lastThreeCharacters("C:\\a.bąk"), "bąk");
    EXPECT_EQ(cleaner::lastThreeCharacters("ab"), "ab");
}
