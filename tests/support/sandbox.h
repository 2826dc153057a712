#pragma once

#include <filesystem>
#include <string>

// A throw-away world for one test: installation directory, home with XDG folders, and a Wine
// prefix path that does not exist (so the drive table is C: -> / unless the test builds one).
// Environment variables and the installation directory point into it while it lives.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path install() const { return root_ / "install"; }
    std::filesystem::path home() const { return root_ / "home"; }
    std::filesystem::path configHome() const { return home() / ".config"; }
    std::filesystem::path dataHome() const { return home() / ".local/share"; }

    // Creates <install>/dosdevices/<letter>: -> target (a new directory under root() when empty)
    // and returns the target.
    std::filesystem::path addDrive(char letter, std::filesystem::path target = {});

    // Writes a file (creating parent directories) with the given bytes.
    static void writeFile(const std::filesystem::path& file, const std::string& bytes);
    static std::string readFile(const std::filesystem::path& file);

private:
    std::filesystem::path root_;
};

// Points HOME, XDG_*, WINEPREFIX and the installation directory at a directory that exists
// for the whole test run; called once by the test main before any test.
void isolateProcessFromTheMachine();
