#pragma once

#include "cleaner/locations/location_list.h"
#include "support/sandbox.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>

// A Wine prefix claiming one Windows family, as the version detection reads it: registry files
// beside drive_c and dosdevices/c:. WINEPREFIX points at it; <install>/dosdevices must not
// exist, or the drive table would be read from there instead.
struct PrefixFamily {
    const char* name;
    const char* systemReg;
    const char* userReg;
    cleaner::SystemFamily family;
};

inline const PrefixFamily kWin9x{
    "Win9x",
    "WINE REGISTRY Version 2\r\n\r\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion] 1\r\n"
    "\"VersionNumber\"=\"4.10.2222\"\r\n",
    nullptr, cleaner::SystemFamily::Win9x};
inline const PrefixFamily kWinXP{
    "WinXP",
    "WINE REGISTRY Version 2\r\n\r\n[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1\r\n"
    "\"CurrentBuildNumber\"=\"2600\"\r\n\"CurrentVersion\"=\"5.1\"\r\n",
    nullptr, cleaner::SystemFamily::WinXP};
inline const PrefixFamily kWinNT{
    "WinNT",
    "WINE REGISTRY Version 2\r\n\r\n[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1\r\n"
    "\"CurrentBuildNumber\"=\"2195\"\r\n\"CurrentVersion\"=\"5.0\"\r\n",
    nullptr, cleaner::SystemFamily::WinNT};
inline const PrefixFamily kWin31{"Win31", "WINE REGISTRY Version 2\r\n",
                                 "WINE REGISTRY Version 2\r\n\r\n[Software\\\\Wine] 1\r\n"
                                 "\"Version\"=\"win31\"\r\n",
                                 cleaner::SystemFamily::Win31};

// Builds the prefix and returns its drive_c.
inline std::filesystem::path makeWinePrefix(const Sandbox& sandbox, const PrefixFamily& family) {
    namespace fs = std::filesystem;
    const fs::path prefix = sandbox.root() / "prefix";
    fs::create_directories(prefix / "drive_c");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    if (family.systemReg)
        Sandbox::writeFile(prefix / "system.reg", family.systemReg);
    if (family.userReg)
        Sandbox::writeFile(prefix / "user.reg", family.userReg);
    setenv("WINEPREFIX", prefix.c_str(), 1);
    return prefix / "drive_c";
}

// Runs act() once ready() holds, from the event loop: the way a test answers a modal window
// that the code under test opens with exec(). After a few seconds every open window is closed
// so a broken test fails instead of hanging.
inline void whenReady(std::function<bool()> ready, std::function<void()> act) {
    auto* timer = new QTimer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (ready()) {
            timer->stop();
            timer->deleteLater();
            act();
        } else if (std::chrono::steady_clock::now() > deadline) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the awaited window state never came";
            for (QWidget* window : QApplication::topLevelWidgets())
                window->close();
        }
    });
    timer->start();
}
