#include "platform/shell.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void writeScript(const fs::path& script, const fs::path& record) {
    Sandbox::writeFile(script, "#!/bin/sh\n"
                               ": > '" +
                                   record.string() +
                                   ".part'\n"
                                   "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '" +
                                   record.string() +
                                   ".part'; done\n"
                                   "mv '" +
                                   record.string() + ".part' '" + record.string() + "'\n");
    fs::permissions(script, fs::perms::owner_all);
}

// The arguments a recording script was started with; nullopt when it did not run within 10 s.
std::optional<std::vector<std::string>> recordedArguments(const fs::path& record) {
    for (int i = 0; i < 1000 && !fs::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!fs::exists(record))
        return std::nullopt;
    std::vector<std::string> arguments;
    std::ifstream in(record);
    for (std::string line; std::getline(in, line);)
        arguments.push_back(line);
    fs::remove(record);
    return arguments;
}

bool hasUnreapedChild() {
    siginfo_t info{};
    return waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0;
}

std::vector<std::string> names(const fs::path& directory) {
    std::vector<std::string> result;
    for (const auto& entry : fs::directory_iterator(directory))
        result.push_back(entry.path().filename().string());
    std::sort(result.begin(), result.end());
    return result;
}

} // namespace

class ShellOpen : public testing::Test {
protected:
    void SetUp() override {
        writeScript(sandbox.root() / "opener", openerRecord);
        platform::setOpenerProgram((sandbox.root() / "opener").string());
        writeScript(sandbox.install() / "Brudex", programRecord);
        docs = sandbox.addDrive('d') / "Docs";
        Sandbox::writeFile(docs / "Lista.txt", "x");
        Sandbox::writeFile(docs / "Other.exe", "MZ");
        Sandbox::writeFile(sandbox.install() / "Help.chm", "x");
        Sandbox::writeFile(sandbox.install() / "-v", "x");
    }
    void TearDown() override { platform::setOpenerProgram({}); }

    Sandbox sandbox;
    fs::path openerRecord = sandbox.root() / "opener.args";
    fs::path programRecord = sandbox.root() / "program.args";
    fs::path docs;
    platform::DriveTable drives{{{'c', sandbox.root()}, {'d', sandbox.root() / "drive_d"}}};
};

TEST_F(ShellOpen, DocumentsFoldersAndAddressesGoToTheOpenerAsOneArgument) {
    struct Case {
        std::string target;
        std::string argument;
    };
    const Case cases[] = {
        {"http://example.com/a b?x=1&y=$(touch /tmp/x)",
         "http://example.com/a b?x=1&y=$(touch /tmp/x)"},
        {"mailto:autor@example.com", "mailto:autor@example.com"},
        {"D:\\Docs\\Lista.txt", (docs / "Lista.txt").string()},
        {"D:\\Docs\\", docs.string()},
        {"D:\\Docs\\Other.exe", (docs / "Other.exe").string()},
        {(docs / "Lista.txt").string(), (docs / "Lista.txt").string()},
        {"Help.chm", (sandbox.install() / "Help.chm").string()},
        // A name that looks like an option is handed over as an absolute path.
        {"-v", (sandbox.install() / "-v").string()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        ASSERT_TRUE(platform::shellOpen(drives, c.target));
        EXPECT_EQ(recordedArguments(openerRecord), std::vector<std::string>{c.argument});
    }
    EXPECT_FALSE(fs::exists(programRecord));
}

TEST_F(ShellOpen, ProgramsOfTheInstallationDirectoryStartNatively) {
    const std::string targets[] = {
        "Brudex.exe",
        "brudex.EXE",
        (sandbox.install() / "Brudex.exe").string(),
        "C:\\install\\Brudex.exe",
    };
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        ASSERT_TRUE(platform::shellOpen(drives, target));
        EXPECT_EQ(recordedArguments(programRecord), std::vector<std::string>{});
    }
    EXPECT_FALSE(fs::exists(openerRecord));

    // The started program is reaped once it ends: no zombie is left behind.
    bool zombie = true;
    for (int i = 0; i < 500 && zombie; ++i) {
        zombie = hasUnreapedChild();
        if (zombie)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(zombie);
}

TEST_F(ShellOpen, WhatCannotBeOpenedIsRefused) {
    const std::string targets[] = {
        "",
        "Virkil.exe",            // no such program
        "D:\\Docs\\Missing.txt", // no such file
        "Q:\\Docs\\Lista.txt",   // no such drive
        "--help",                // no such file in the installation directory
    };
    for (const std::string& target : targets)
        EXPECT_FALSE(platform::shellOpen(drives, target)) << target;

    platform::setOpenerProgram((sandbox.root() / "no-such-opener").string());
    EXPECT_FALSE(platform::shellOpen(drives, "http://example.com"));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(fs::exists(openerRecord));
}

class Trash : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path trash = sandbox.dataHome() / "Trash";
    fs::path outside = sandbox.root() / "outside";
};

TEST_F(Trash, EmptiesFilesInfoAndLeftoversWithoutFollowingLinks) {
    Sandbox::writeFile(outside / "target.txt", "keep");
    Sandbox::writeFile(outside / "folder/inner.txt", "keep");
    Sandbox::writeFile(trash / "files/a.txt", "a");
    Sandbox::writeFile(trash / "files/.hidden", "h");
    Sandbox::writeFile(trash / "files/dir/nested/deep/x.txt", "x");
    Sandbox::writeFile(trash / "files/readonly/sub/y.txt", "y");
    fs::permissions(trash / "files/readonly/sub", fs::perms::none);
    fs::permissions(trash / "files/readonly", fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_directory_symlink(outside / "folder", trash / "files/folder-link");
    fs::create_symlink(outside / "target.txt", trash / "files/dir/file-link");
    fs::create_symlink(outside / "missing", trash / "files/dangling");
    Sandbox::writeFile(trash / "info/a.txt.trashinfo", "[Trash Info]\n");
    Sandbox::writeFile(trash / "info/dir.trashinfo", "[Trash Info]\n");
    Sandbox::writeFile(trash / "info/notes.txt", "not ours");
    Sandbox::writeFile(trash / "directorysizes", "4096 1 dir\n");
    Sandbox::writeFile(trash / "expunged/old/z.txt", "z");

    platform::emptyTrashDirectory(trash);

    EXPECT_EQ(names(trash), (std::vector<std::string>{"files", "info"}));
    EXPECT_EQ(names(trash / "files"), std::vector<std::string>{});
    EXPECT_EQ(names(trash / "info"), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(Sandbox::readFile(outside / "target.txt"), "keep");
    EXPECT_EQ(Sandbox::readFile(outside / "folder/inner.txt"), "keep");
}

TEST_F(Trash, DeepNestingIsEmptiedWithoutRecursion) {
    // Built step by step: the whole path is longer than the system's path limit.
    fs::create_directories(trash / "files");
    int fd = open((trash / "files").c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 1500; ++i) {
        ASSERT_EQ(mkdirat(fd, "d", 0755), 0);
        const int next = openat(fd, "d", O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
    }
    close(openat(fd, "leaf.txt", O_CREAT | O_WRONLY, 0644));
    close(fd);

    platform::emptyTrashDirectory(trash);
    EXPECT_EQ(names(trash / "files"), std::vector<std::string>{});
}

TEST_F(Trash, TrashDirectoriesOfTheUserOnEachMount) {
    const std::string uid = std::to_string(geteuid());
    auto topdir = [&](const char* name) { return sandbox.root() / "mounts" / name; };
    fs::create_directories(trash / "files");

    fs::create_directories(topdir("sticky") / ".Trash" / uid);
    fs::permissions(topdir("sticky") / ".Trash", fs::perms::all | fs::perms::sticky_bit);
    fs::create_directories(topdir("not-sticky") / ".Trash" / uid);
    fs::permissions(topdir("not-sticky") / ".Trash", fs::perms::all);
    fs::create_directories(topdir("linked") / "real/.Trash" / uid);
    fs::permissions(topdir("linked") / "real/.Trash", fs::perms::all | fs::perms::sticky_bit);
    fs::create_directory_symlink(topdir("linked") / "real/.Trash", topdir("linked") / ".Trash");
    fs::create_directories(topdir("own") / (".Trash-" + uid));
    fs::create_directories(topdir("own-linked") / "real");
    fs::create_directory_symlink(topdir("own-linked") / "real",
                                 topdir("own-linked") / (".Trash-" + uid));
    fs::create_directories(topdir("empty"));
    fs::create_directories(topdir("foreign") / (".Trash-" + uid));
    const bool canChown =
        chown((topdir("foreign") / (".Trash-" + uid)).c_str(), geteuid() + 4242, -1) == 0;

    const std::vector<fs::path> found = platform::userTrashDirectories(
        {topdir("sticky"), topdir("not-sticky"), topdir("linked"), topdir("own"),
         topdir("own-linked"), topdir("empty"), topdir("foreign"), topdir("missing")});

    std::vector<fs::path> expected = {trash, topdir("sticky") / ".Trash" / uid,
                                      topdir("own") / (".Trash-" + uid)};
    if (!canChown)
        expected.push_back(topdir("foreign") / (".Trash-" + uid));
    EXPECT_EQ(found, expected);
}

class RecentDocuments : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path xbel = sandbox.dataHome() / "recently-used.xbel";
    fs::path recent = sandbox.dataHome() / "RecentDocuments";
    const std::string emptyList =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<xbel version=\"1.0\"\n"
        "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
        "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
        "></xbel>";
};

TEST_F(RecentDocuments, ListEmptiedAndDesktopEntriesRemoved) {
    Sandbox::writeFile(xbel, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\">"
                             "<bookmark href=\"file:///home/u/tajne.pdf\"/></xbel>");
    chmod(xbel.c_str(), 0644);
    Sandbox::writeFile(recent / "a.desktop", "[Desktop Entry]\n");
    Sandbox::writeFile(recent / "notes.txt", "keep");
    fs::create_directories(recent / "folder.desktop");
    Sandbox::writeFile(sandbox.root() / "outside.desktop", "keep");
    fs::create_symlink(sandbox.root() / "outside.desktop", recent / "link.desktop");

    platform::clearRecentDocuments();

    EXPECT_EQ(Sandbox::readFile(xbel), emptyList);
    struct stat st {};
    ASSERT_EQ(stat(xbel.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(names(recent), (std::vector<std::string>{"folder.desktop", "notes.txt"}));
    EXPECT_EQ(Sandbox::readFile(sandbox.root() / "outside.desktop"), "keep");
    EXPECT_EQ(names(sandbox.dataHome()),
              (std::vector<std::string>{"RecentDocuments", "recently-used.xbel"}));
}

TEST_F(RecentDocuments, MissingListIsCreatedEmpty) {
    platform::clearRecentDocuments();
    EXPECT_EQ(Sandbox::readFile(xbel), emptyList);
    EXPECT_FALSE(fs::exists(recent));
}

TEST(DesktopDirectory, FromTheUserDirectoriesElseDesktop) {
    struct Case {
        std::optional<std::string> userDirs;
        std::vector<std::string> folders; // below the home
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {std::nullopt, {"Desktop"}, "Desktop"},
        {std::nullopt, {}, std::nullopt},
        {"XDG_DESKTOP_DIR=\"$HOME/Pulpit\"\n", {"Pulpit", "Desktop"}, "Pulpit"},
        {"XDG_DESKTOP_DIR=\"$HOME/Pulpit\"\n", {"Desktop"}, std::nullopt},
        {"# XDG_DESKTOP_DIR=\"$HOME/Wrong\"\nXDG_DOWNLOAD_DIR=\"$HOME/Pobrane\"\n"
         "  XDG_DESKTOP_DIR=\"$HOME/Mój \\\"pulpit\\\"\"\n",
         {"Wrong", "Pobrane", "Mój \"pulpit\""},
         "Mój \"pulpit\""},
        {"XDG_DESKTOP_DIR=\"$HOME/\"\n", {}, ""},
        {"XDG_DESKTOP_DIR=\"Pulpit\"\n", {"Pulpit", "Desktop"}, "Desktop"},
        {"XDG_DESKTOP_DIR=\"$HOMEX/Pulpit\"\n", {"Desktop"}, "Desktop"},
        {"XDG_DESKTOP_DIR=\"$HOME/a\"\nXDG_DESKTOP_DIR=\"$HOME/b\"\n", {"a", "b"}, "b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.userDirs.value_or("(no user-dirs.dirs)"));
        Sandbox sandbox;
        if (c.userDirs)
            Sandbox::writeFile(sandbox.configHome() / "user-dirs.dirs", *c.userDirs);
        for (const std::string& folder : c.folders)
            fs::create_directories(sandbox.home() / folder);
        const std::optional<fs::path> desktop = platform::desktopDirectory();
        if (c.expected)
            EXPECT_EQ(desktop, c.expected->empty() ? sandbox.home() : sandbox.home() / *c.expected);
        else
            EXPECT_EQ(desktop, std::nullopt);
    }

    Sandbox sandbox;
    const fs::path elsewhere = sandbox.root() / "elsewhere/Biurko";
    fs::create_directories(elsewhere);
    Sandbox::writeFile(sandbox.configHome() / "user-dirs.dirs",
                       "XDG_DESKTOP_DIR=\"" + elsewhere.string() + "\"\n");
    EXPECT_EQ(platform::desktopDirectory(), elsewhere);
}
