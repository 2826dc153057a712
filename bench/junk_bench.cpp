// The junk search and removal timed end to end against find(1) on the same tree in the same
// run. Builds its own tree, drive table and home under a temporary directory; touches nothing
// else of the machine. Prints times, ratios and the memory the listed files take.
#include "bench/bench_world.h"
#include "cleaner/junk/junk_list_model.h"
#include "cleaner/junk/junk_removal.h"
#include "cleaner/junk/junk_search.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/install_dir.h"
#include "ui/message_pump.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// 1000 directories of 100 files; a first argument gives another number of directories (for
// profiling on a smaller tree).
int kDirectories = 1000;
constexpr int kFilesPerDirectory = 100;

double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void makeTree(const fs::path& root) {
    for (int d = 0; d < kDirectories; ++d) {
        const fs::path directory = root / ("dir" + std::to_string(d));
        fs::create_directories(directory);
        for (int f = 0; f < kFilesPerDirectory; ++f) {
            const fs::path file = directory / ("file" + std::to_string(f) + ".tmp");
            const int fd = ::open(file.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            if (fd >= 0) {
                // A few bytes so sizes are summed as in real use.
                [[maybe_unused]] auto written = ::write(fd, "junk", 4);
                ::close(fd);
            }
        }
    }
}

double runShell(const std::string& command) {
    return seconds([&] {
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "failed: %s\n", command.c_str());
    });
}

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// A sink that only counts; pumps when asked to, to measure what pumping costs.
class CountingSink : public cleaner::JunkSearchSink {
public:
    explicit CountingSink(bool pumpMessages) : pumpMessages_(pumpMessages) {}
    void pump() override {
        if (pumpMessages_)
            ui::pumpMessages();
    }
    bool stopRequested() override { return false; }
    bool ignoreIndexDat() override { return true; }
    void record(const cleaner::JunkRow&) override { ++rows; }
    void scanning(const std::string&) override {}
    std::size_t rows = 0;

private:
    bool pumpMessages_;
};

double walkAlone(const platform::DriveTable& drives, bool pump, std::size_t& rows) {
    cleaner::JunkSearch search(drives);
    CountingSink sink(pump);
    const double time = seconds([&] {
        search.reset();
        search.fileSearch("C:\\tree", "*.tmp", true, sink);
    });
    rows = sink.rows;
    return time;
}

void printRatio(const char* what, double ours, double reference, double target) {
    std::printf("%-34s %8.3f s   find %7.3f s   ratio %5.2f (target < %.1f) %s\n", what, ours,
                reference, ours / reference, target, ours / reference < target ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        kDirectories = std::max(1, std::atoi(argv[1]));
    const BenchWorld world("junk-bench");
    const fs::path root = world.root();
    const fs::path install = world.install();
    fs::create_directories(install / "dosdevices");
    const fs::path driveC = root / "drive_c";
    fs::create_directories(driveC);
    fs::create_directory_symlink(driveC, install / "dosdevices/c:");
    // A configured installation: showing the window opens no first-run configuration.
    std::ofstream(install / "prof.dat") << "bench\r\n";
    // Saved options: subdirectories searched, nothing else. Every activation of the window
    // reloads them, so setting the boxes by hand would not last.
    std::ofstream(install / "ust.dat") << "1\r\n0\r\n0\r\n0\r\n";

    const fs::path tree = driveC / "tree";
    makeTree(tree);
    const std::string findList =
        "find " + quoted(tree) + " -iname '*.tmp' -printf '%s %T@ %p\\n' >/dev/null";

    QApplication app(argc, argv);
    const platform::DriveTable drives = platform::DriveTable::load();
    std::printf("tree: %d files in %d directories\n", kDirectories * kFilesPerDirectory,
                kDirectories);

    runShell(findList); // warm the cache
    {
        ZelvikWindows windows(drives);
        TForm1& form = *windows.Form1;
        form.show();
        QApplication::processEvents();
        form.lista->clear();
        form.lista2->clear();
        form.lista->addItem(QStringLiteral("C:\\tree"));
        form.lista2->addItem(QStringLiteral("*.tmp"));
        form.CheckBox1->setChecked(true);
        form.raport2->setChecked(false);

        const long before = residentKilobytes();
        const double search = seconds([&] { form.Skaner_smieci(); });
        const long after = residentKilobytes();
        const double find = runShell(findList);
        const std::size_t expected = static_cast<std::size_t>(kDirectories) * kFilesPerDirectory;
        std::printf("listed %zu files\n", form.junkList().size());
        if (form.junkList().size() != expected) {
            std::printf("MISSED: the search listed %zu of %zu files\n", form.junkList().size(),
                        expected);
            return 1;
        }
        printRatio("search end to end (window)", search, find, 3.0);
        std::printf("%-34s %8.1f MB for %zu listed files (target < 100 MB)\n",
                    "memory (RSS growth)", (after - before) / 1024.0, form.junkList().size());

        std::size_t rows = 0;
        const double walk = walkAlone(drives, false, rows);
        const double findAgain = runShell(findList);
        printRatio("walk alone (no pumping)", walk, findAgain, 1.5);
        const double pumped = walkAlone(drives, true, rows);
        std::printf("%-34s %8.3f s   pumping costs %.2f us per file\n",
                    "walk alone (pumping per file)", pumped,
                    (pumped - walk) * 1e6 / static_cast<double>(rows));

        const double removal = seconds([&] { form.Usun_smietnik(); });
        std::printf("removal failures: %d\n", form.ListView2->topLevelItemCount());
        fs::remove_all(tree);
        makeTree(tree);
        runShell("find " + quoted(tree) + " -type f >/dev/null");
        const double findDelete = runShell("find " + quoted(tree) + " -type f -delete");
        printRatio("removal of the listed files", removal, findDelete, 2.0);
    }
    return 0;
}
