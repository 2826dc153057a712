#include "common/install_dir.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace fs = std::filesystem;

TEST(InstallDir, DataFilesLiveInTheChosenDirectory) {
    Sandbox sandbox;
    EXPECT_EQ(common::installDir(), sandbox.install());
    EXPECT_EQ(common::dataFile("lista_XP.dat"), sandbox.install() / "lista_XP.dat");
    EXPECT_FALSE(common::dataFileExists("lista_XP.dat"));
    Sandbox::writeFile(sandbox.install() / "lista_XP.dat", "C:\\Temp\r\n");
    EXPECT_TRUE(common::dataFileExists("lista_XP.dat"));
}

TEST(InstallDir, DefaultsToTheDirectoryOfTheRunningProgram) {
    Sandbox sandbox;
    char executable[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", executable, sizeof executable - 1), 0);
    common::setInstallDir({});
    const fs::path chosen = common::installDir();
    common::setInstallDir(sandbox.install());
    EXPECT_EQ(chosen, fs::path(executable).parent_path());
}
