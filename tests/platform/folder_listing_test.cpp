#include "platform/folder_listing.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class FolderListingTest : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    platform::DriveTable drives{{{'c', c}}};
};

TEST_F(FolderListingTest, ListsVisibleSubfoldersSortedIgnoringCaseAndMarksLinks) {
    fs::create_directories(c / "windows");
    fs::create_directories(c / "Program Files");
    fs::create_directories(c / "apps");
    fs::create_directories(c / ".cache");      // hidden
    Sandbox::writeFile(c / "Readme.txt", "x"); // a file
    fs::create_directories(sandbox.root() / "elsewhere");
    fs::create_directory_symlink(sandbox.root() / "elsewhere", c / "Desktop");
    fs::create_symlink(c / "Readme.txt", c / "LinkToFile");   // a link to a file
    fs::create_directory_symlink(c / "gone", c / "Dangling"); // a dangling link

    const auto folders = platform::listSubfolders(drives, "C:\\");
    std::vector<std::pair<std::string, bool>> got;
    for (const auto& f : folders)
        got.emplace_back(f.name, f.isLink);
    const std::vector<std::pair<std::string, bool>> expected = {
        {"apps", false}, {"Desktop", true}, {"Program Files", false}, {"windows", false}};
    EXPECT_EQ(got, expected);
}

TEST_F(FolderListingTest, LooksUpTheFolderIgnoringCaseAndGivesNothingForWhatCannotBeListed) {
    fs::create_directories(c / "Windows/Temp/Sub");
    const auto below = platform::listSubfolders(drives, "c:\\WINDOWS\\temp");
    ASSERT_EQ(below.size(), 1u);
    EXPECT_EQ(below[0].name, "Sub");

    EXPECT_TRUE(platform::listSubfolders(drives, "C:\\Missing").empty());
    EXPECT_TRUE(platform::listSubfolders(drives, "Q:\\").empty()); // unknown drive
    fs::remove_all(c);
    EXPECT_TRUE(platform::listSubfolders(drives, "C:\\").empty()); // vanished target
}

} // namespace
