// The disk scan end to end: 100 000 files in 1 000 folders, 30 000 of them junk by extension,
// scanned with the full mask set by the scanner window (offscreen, shown, pumping per file,
// rows flushed at display rate), against find with the same extensions over the same tree.
#include "bench/bench_world.h"
#include "cleaner/disk_scanner/disk_result_model.h"
#include "cleaner/disk_scanner/mask_sets.h"
#include "cleaner/disk_scanner/scanner_window.h"
#include "common/install_dir.h"
#include "common/letter_case.h"
#include "platform/drive_table.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/drive_combo.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void touch(const fs::path& file) {
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        if (write(fd, "junk", 4) < 0) {
            // Only the name matters to the scan.
        }
        close(fd);
    }
}

// Three extensions in ten are junk: 30 000 matches, below the scanner's limit of 32 735.
void buildTree(const fs::path& tree) {
    static const char* extensions[] = {"tmp",  "txt",  "log", "cpp", "dat",
                                       "~pas", "html", "h",   "doc", "png"};
    for (int folder = 0; folder < kFolders; ++folder) {
        const fs::path dir =
            tree / ("g" + std::to_string(folder / 100)) / ("d" + std::to_string(folder));
        fs::create_directories(dir);
        for (int i = 0; i < kFilesPerFolder; ++i)
            touch(dir / ("file" + std::to_string(i) + "." + extensions[i % 10]));
    }
}

// find -type f \( -name '*.tmp' -o ... \) with every mask of the set, lower-cased as the scan
// compares them; returns the number of paths printed.
long runFind(const fs::path& tree, const std::vector<std::string>& masks) {
    std::string command = "find '" + tree.string() + "' -type f";
    if (!masks.empty())
        command += " \\(";
    bool first = true;
    for (const std::string& mask : masks) {
        if (mask.empty())
            continue;
        command += first ? " -name '" : " -o -name '";
        command += common::toLowerAscii(mask) + "'";
        first = false;
    }
    if (!masks.empty())
        command += " \\)";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    long lines = 0;
    char buffer[64 * 1024];
    std::size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        lines += std::count(buffer, buffer + got, '\n');
    pclose(pipe);
    return lines;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const BenchWorld world("disk-scan-bench");
    const fs::path root = world.root();
    const fs::path install = world.install();
    const fs::path tree = root / "tree";
    fs::create_directories(install / "dosdevices");
    fs::create_directory_symlink(tree, install / "dosdevices" / "d:");

    auto start = Clock::now();
    buildTree(tree);
    std::printf("tree: %d files in %d folders, built in %.0f ms\n", kFolders * kFilesPerFolder,
                kFolders, msSince(start));

    int status = 0;
    {
        ui::Application app(argc, argv);
        ui::ScriptedDialogs dialogs; // nothing is expected; never block on a box
        TForm7 window(platform::DriveTable::load());
        window.Odczyt_maski(); // the second load: the full saved set of 47 masks
        window.show();
        QApplication::processEvents();
        std::vector<std::string> masks;
        for (int i = 0; i < window.lista_maska->count(); ++i)
            masks.push_back(window.lista_maska->item(i)->text().toStdString());
        window.dysk->setDrive('d');

        long found = runFind(tree, masks); // warms the cache
        std::vector<double> findTimes, scanTimes, walkTimes;
        for (int run = 0; run < 3; ++run) {
            start = Clock::now();
            runFind(tree, {});
            walkTimes.push_back(msSince(start));

            start = Clock::now();
            found = runFind(tree, masks);
            findTimes.push_back(msSince(start));

            start = Clock::now();
            window.skanujClick();
            scanTimes.push_back(msSince(start));
        }
        const double findMs = median(findTimes);
        const double scanMs = median(scanTimes);
        const std::size_t listed = window.lista_pliki().size();
        std::printf("masks: %zu; find lists %ld files, the scan %zu (%d rows shown)\n",
                    masks.size(), found, listed, window.resultModel().rowCount());
        std::printf("find -type f, no name test: %8.1f ms (the bare walk, for reference)\n",
                    median(walkTimes));
        std::printf("find:      %8.1f ms (median of 3)\n", findMs);
        std::printf("disk scan: %8.1f ms (median of 3, window shown offscreen)\n", scanMs);
        std::printf("ratio scan/find: %.2fx (target 3x)\n", scanMs / findMs);
        std::printf("status: %s\n", window.statusPanel().toStdString().c_str());
        std::fflush(stdout);
        if (static_cast<long>(listed) != found || !dialogs.shown.isEmpty())
            status = 1;
    }
    return status;
}
