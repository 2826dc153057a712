#include "common/mode_settings.h"

#include "common/install_dir.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using common::Mode;

namespace {

// The arguments a desktop session runs from an Exec value, decoded independently by the rules of
// the freedesktop desktop-entry rules: string escapes first, then quoting, then "%%".
std::vector<std::string> execArguments(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            unescaped += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            unescaped += value[i];
        }
    }
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false, started = false;
    for (std::size_t i = 0; i < unescaped.size(); ++i) {
        const char c = unescaped[i];
        if (quoted) {
            if (c == '\\' && i + 1 < unescaped.size())
                current += unescaped[++i];
            else if (c == '"')
                quoted = false;
            else
                current += c;
        } else if (c == ' ') {
            if (started)
                arguments.push_back(current);
            current.clear();
            started = false;
        } else {
            started = true;
            if (c == '"')
                quoted = true;
            else
                current += c;
        }
    }
    if (started)
        arguments.push_back(current);
    for (std::string& argument : arguments) {
        for (std::size_t pos = argument.find("%%"); pos != std::string::npos;
             pos = argument.find("%%", pos + 1))
            argument.erase(pos, 1);
    }
    return arguments;
}

std::string keyOf(const std::string& entry, const std::string& key) {
    const std::string prefix = "\n" + key + "=";
    const std::size_t at = entry.find(prefix);
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + prefix.size();
    return entry.substr(start, entry.find('\n', start) - start);
}

// desktop-file-validate's verdict: its output, empty when the entry is valid.
std::optional<std::string> validate(const fs::path& file) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        return std::nullopt;
    std::string output;
    const std::string command = "desktop-file-validate '" + file.string() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (pipe && fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pipe ? pclose(pipe) : -1;
    if (status != 0 && output.empty())
        output = "exit status " + std::to_string(status);
    return output;
}

} // namespace

class ModeSettings : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path entry = sandbox.configHome() / "autostart" / "Brudex.desktop";
};

TEST_F(ModeSettings, TheRunEntryStartsThisInstallationsLauncher) {
    EXPECT_EQ(common::autostartEntryPath(), entry);
    EXPECT_FALSE(common::runEntryExists());
    common::writeRunEntryIfAbsent();
    ASSERT_TRUE(common::runEntryExists());
    const std::string text = Sandbox::readFile(entry);
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nName=Brudex\n"), std::string::npos);
    EXPECT_EQ(execArguments(keyOf(text, "Exec")),
              std::vector<std::string>{(sandbox.install() / "Brudex").string()});
    EXPECT_EQ(keyOf(text, "TryExec"), (sandbox.install() / "Brudex").string());
}

TEST_F(ModeSettings, WithoutXdgConfigHomeTheEntryLivesBelowHome) {
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(common::autostartEntryPath(), sandbox.home() / ".config/autostart/Brudex.desktop");
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(common::autostartEntryPath(), sandbox.home() / ".config/autostart/Brudex.desktop");
}

// Installation directories whose names need quoting or escaping in Exec.
class AutostartEntryPaths : public testing::TestWithParam<const char*> {
protected:
    Sandbox sandbox;
};

TEST_P(AutostartEntryPaths, IsAValidEntryWhoseExecGivesBackThePath) {
    const fs::path launcher = fs::path("/opt") / GetParam() / "Brudex";
    const std::string text = common::autostartEntryText(launcher);
    EXPECT_EQ(execArguments(keyOf(text, "Exec")), std::vector<std::string>{launcher.string()});

    const fs::path file = sandbox.root() / "Brudex.desktop";
    Sandbox::writeFile(file, text);
    const auto verdict = validate(file);
    if (!verdict)
        GTEST_SKIP() << "desktop-file-validate is not installed (package desktop-file-utils)";
    EXPECT_EQ(*verdict, "") << text;
}

INSTANTIATE_TEST_SUITE_P(Names, AutostartEntryPaths,
                         testing::Values("brudex", "Program Files/Brudex 2.6", "a\"quote",
                                         "cost$HOME", "back`tick`", "back\\slash", "100%",
                                         "Zażółć gęślą", "semi;colon & (paren)"));

TEST_F(ModeSettings, AnExistingEntryIsNeverRewritten) {
    const std::string foreign =
        "[Desktop Entry]\nType=Application\nName=Brudex\nExec=/elsewhere/Brudex\n";
    Sandbox::writeFile(entry, foreign);
    common::writeRunEntryIfAbsent();
    EXPECT_EQ(Sandbox::readFile(entry), foreign);
    common::deleteRunEntry();
    EXPECT_FALSE(fs::exists(entry));
    common::deleteRunEntry(); // missing: silent
}

struct ModeCase {
    bool runEntry;
    bool reminder;
    Mode mode;
};

class ModeQuery : public testing::TestWithParam<ModeCase> {
protected:
    Sandbox sandbox;
};

TEST_P(ModeQuery, DerivesTheModeFromTheEntryAndMiesDat) {
    if (GetParam().runEntry)
        common::writeRunEntryIfAbsent();
    if (GetParam().reminder)
        common::writeReminderMonth(5);
    EXPECT_EQ(common::Tryb_pracy(), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Table, ModeQuery,
                         testing::Values(ModeCase{false, false, Mode::Reczny},
                                         ModeCase{false, true, Mode::Reczny},
                                         ModeCase{true, false, Mode::Przy_starcie},
                                         ModeCase{true, true, Mode::Miesieczny}));

TEST_F(ModeSettings, AnAutostartFolderThatCannotBeCreatedMeansManualModeAndAFailedWrite) {
    common::writeReminderMonth(3);
    Sandbox::writeFile(sandbox.configHome() / "autostart", "a file, not a folder");
    EXPECT_FALSE(common::runEntryExists());
    EXPECT_EQ(common::Tryb_pracy(), Mode::Reczny);
    try {
        common::writeRunEntryIfAbsent();
        FAIL() << "the write must fail";
    } catch (const std::system_error& error) {
        EXPECT_NE(std::string(error.what()).find("autostart"), std::string::npos) << error.what();
    }
    common::deleteRunEntry(); // silent
    EXPECT_EQ(Sandbox::readFile(sandbox.configHome() / "autostart"), "a file, not a folder");
}

TEST_F(ModeSettings, AnEntryInAFolderTheUserCannotWriteCountsAsAbsent) {
    common::writeRunEntryIfAbsent();
    const fs::path folder = entry.parent_path();
    const bool root = geteuid() == 0;
    if (root) {
        // Root may write anywhere: look at it as an ordinary user would (nobody).
        for (fs::path p = folder; p != sandbox.root().parent_path(); p = p.parent_path())
            fs::permissions(p, fs::perms::others_read | fs::perms::others_exec,
                            fs::perm_options::add);
        ASSERT_EQ(seteuid(65534), 0);
    } else {
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    }
    const Mode mode = common::Tryb_pracy();
    std::string failure;
    try {
        common::writeRunEntryIfAbsent();
    } catch (const std::system_error& error) {
        failure = error.what();
    }
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);

    EXPECT_EQ(mode, Mode::Reczny);
    EXPECT_NE(failure.find(std::generic_category().message(EACCES)), std::string::npos) << failure;
}

TEST_F(ModeSettings, ReminderMonthIsTwoDigits) {
    common::writeReminderMonth(1);
    EXPECT_EQ(Sandbox::readFile(sandbox.install() / "mies.dat"), "01\r\n");
    EXPECT_EQ(common::readReminderMonth(), "01");
    common::writeReminderMonth(12);
    EXPECT_EQ(Sandbox::readFile(sandbox.install() / "mies.dat"), "12\r\n");
    for (int wrong : {0, 13, -1})
        EXPECT_THROW(common::writeReminderMonth(wrong), std::invalid_argument);
    EXPECT_EQ(Sandbox::readFile(sandbox.install() / "mies.dat"), "12\r\n");

    common::writeEmptyReminderMonth();
    EXPECT_EQ(Sandbox::readFile(sandbox.install() / "mies.dat"), "");
    EXPECT_TRUE(common::reminderMonthExists());
    EXPECT_EQ(common::readReminderMonth(), std::nullopt);

    // A hand-written file is read as it stands: only line 1 counts.
    Sandbox::writeFile(sandbox.install() / "mies.dat", "9\r\n10\r\n");
    EXPECT_EQ(common::readReminderMonth(), "9");
    common::deleteReminderMonth();
    EXPECT_FALSE(common::reminderMonthExists());
    EXPECT_EQ(common::readReminderMonth(), std::nullopt);
    common::deleteReminderMonth(); // missing: silent
}

TEST_F(ModeSettings, FastDatHoldsTheFiveOptions) {
    common::writeFastOptions({true, false, true, false, 7});
    EXPECT_EQ(Sandbox::readFile(sandbox.install() / "fast.dat"), "1\r\n0\r\n1\r\n0\r\n7\r\n");
    const auto read = common::readFastOptions();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, (std::array<std::optional<long>, 5>{1, 0, 1, 0, 7}));
    common::deleteFastOptions();
    EXPECT_FALSE(common::fastOptionsExist());
    EXPECT_EQ(common::readFastOptions(), std::nullopt);
}

struct FastCase {
    const char* bytes;
    std::array<std::optional<long>, 5> values;
};

class FastDatInput : public testing::TestWithParam<FastCase> {
protected:
    Sandbox sandbox;
};

// Lines that are not numbers are read as missing (the run keeps its previous value) and the
// file is left exactly as it was.
TEST_P(FastDatInput, ReadsWhatIsANumberAndLeavesTheFileAlone) {
    const fs::path file = sandbox.install() / "fast.dat";
    Sandbox::writeFile(file, GetParam().bytes);
    const auto read = common::readFastOptions();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, GetParam().values);
    EXPECT_EQ(Sandbox::readFile(file), GetParam().bytes);
}

constexpr std::nullopt_t none = std::nullopt;
INSTANTIATE_TEST_SUITE_P(
    Cases, FastDatInput,
    testing::Values(FastCase{"", {none, none, none, none, none}},
                    FastCase{"1\r\n0\r\n", {1, 0, none, none, none}},
                    FastCase{"1\n\n1\n1\n3\n", {1, none, 1, 1, 3}},
                    FastCase{"tak\r\n1x\r\n 1 \r\n-1\r\n99999999999999999999999\r\n",
                             {none, none, 1, -1, none}},
                    FastCase{"1\r\n1\r\n1\r\n1\r\n2\r\nextra\r\n", {1, 1, 1, 1, 2}},
                    FastCase{"\xff\xfe\r\n", {none, none, none, none, none}}));

TEST_F(ModeSettings, AFailedWriteLeavesTheFolderInItsPlaceAndReportsTheSystemError) {
    fs::create_directories(sandbox.install() / "fast.dat");
    EXPECT_THROW(common::writeFastOptions({}), std::system_error);
    common::deleteFastOptions();
    EXPECT_TRUE(fs::is_directory(sandbox.install() / "fast.dat"));

    fs::create_directories(sandbox.install() / "mies.dat");
    EXPECT_THROW(common::writeReminderMonth(4), std::system_error);
    common::deleteReminderMonth();
    EXPECT_TRUE(fs::is_directory(sandbox.install() / "mies.dat"));
}
