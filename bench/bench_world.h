#pragma once

#include "common/install_dir.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

// A benchmark's own world in a temporary folder: an installation directory, a home with its XDG
// folders and no Wine prefix, so nothing of the user's is read, written or cleared. The folder
// is removed when the world ends.
class BenchWorld {
public:
    explicit BenchWorld(const char* name) {
        std::string pattern = "/tmp/" + std::string(name) + ".XXXXXX";
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        const auto home = root_ / "home";
        std::filesystem::create_directories(home / ".config");
        std::filesystem::create_directories(home / ".local/share");
        std::filesystem::create_directories(install());
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
        ::setenv("WINEPREFIX", (root_ / "no-wine").c_str(), 1);
        common::setInstallDir(install());
    }
    ~BenchWorld() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path install() const { return root_ / "install"; }

private:
    std::filesystem::path root_;
};
