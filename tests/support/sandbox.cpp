#include "support/sandbox.h"

#include "common/install_dir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path makeTempDirectory(const char* prefix) {
    std::string pattern = (fs::temp_directory_path() / prefix).string() + ".XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    return pattern;
}

void pointEnvironmentAt(const fs::path& root) {
    const fs::path home = root / "home";
    fs::create_directories(home / ".config");
    fs::create_directories(home / ".local/share");
    fs::create_directories(root / "install");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    setenv("WINEPREFIX", (root / "no-wine").c_str(), 1);
    common::setInstallDir(root / "install");
}

// The sandbox of the whole test program; the environment falls back to it after each test's own.
const Sandbox* processSandbox = nullptr;

} // namespace

Sandbox::Sandbox() : root_(makeTempDirectory("zelvik-test")) {
    pointEnvironmentAt(root_);
}

Sandbox::~Sandbox() {
    if (processSandbox && processSandbox != this)
        pointEnvironmentAt(processSandbox->root());
    std::error_code ignored;
    // Give back write permission first: tests make read-only files and directories.
    for (auto it = fs::recursive_directory_iterator(root_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(root_, ignored);
}

fs::path Sandbox::addDrive(char letter, fs::path target) {
    if (target.empty())
        target = root_ / (std::string("drive_") + letter);
    fs::create_directories(target);
    fs::create_directories(install() / "dosdevices");
    const fs::path link = install() / "dosdevices" / (std::string(1, letter) + ":");
    std::error_code ignored;
    fs::remove(link, ignored);
    fs::create_directory_symlink(target, link);
    return target;
}

void Sandbox::writeFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::string Sandbox::readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void isolateProcessFromTheMachine() {
    // Owned by a Sandbox so the folder is removed when the test program ends.
    static Sandbox sandbox;
    processSandbox = &sandbox;
}
