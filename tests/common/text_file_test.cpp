#include "common/text_file.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace common;

namespace {

std::vector<std::string> directoryContents(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned permissionsOf(const fs::path& file) {
    struct stat st {};
    EXPECT_EQ(stat(file.c_str(), &st), 0);
    return st.st_mode & 07777;
}

} // namespace

class TextFile : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path dir = sandbox.install();
};

TEST_F(TextFile, EveryByteSurvivesDecodingAndEncoding) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(encodeCp1250(decodeCp1250(all)), all);

    // The same through files: lines holding every byte but the line ends, written with CR LF.
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            bytes += static_cast<char>(byte);
        if (byte % 32 == 31)
            bytes += "\r\n";
    }
    Sandbox::writeFile(dir / "all.dat", bytes);
    writeLines(dir / "all.dat", readLines(dir / "all.dat"));
    EXPECT_EQ(Sandbox::readFile(dir / "all.dat"), bytes);
}

TEST_F(TextFile, PolishLettersBothWays) {
    const std::string text = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ €";
    const std::string bytes =
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \x80";
    EXPECT_EQ(decodeCp1250(bytes), text);
    EXPECT_EQ(encodeCp1250(text), bytes);

    writeLines(dir / "pl.dat", {"Zażółć gęślą jaźń", ""});
    EXPECT_EQ(Sandbox::readFile(dir / "pl.dat"),
              "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n\r\n");
    EXPECT_EQ(readLines(dir / "pl.dat"), (std::vector<std::string>{"Zażółć gęślą jaźń", ""}));
}

TEST_F(TextFile, TextWindows1250CannotHoldIsRefusedAndTheFileUntouched) {
    Sandbox::writeFile(dir / "list.dat", "old\r\n");
    for (const std::string bad : {"a → b", "中文", "ok\xC3"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(fitsCp1250(bad));
        EXPECT_EQ(encodeCp1250(bad), std::nullopt);
        try {
            writeLines(dir / "list.dat", {"first", bad});
            ADD_FAILURE() << "no EncodingError";
        } catch (const EncodingError& error) {
            EXPECT_NE(std::string(error.what()).find(bad), std::string::npos) << error.what();
        }
        EXPECT_THROW(appendLines(dir / "list.dat", {bad}), EncodingError);
        EXPECT_EQ(Sandbox::readFile(dir / "list.dat"), "old\r\n");
        EXPECT_EQ(directoryContents(dir), std::vector<std::string>{"list.dat"});
    }
}

TEST_F(TextFile, LineEnds) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"last without end", {"last without end"}},
        {"\r\n", {""}},
        {"a\n\n\r\nb", {"a", "", "", "b"}},
        {"a\rb\r\n", {"a\rb"}}, // a CR alone does not end a line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        Sandbox::writeFile(dir / "f.dat", c.bytes);
        EXPECT_EQ(readLines(dir / "f.dat"), c.lines);
        EXPECT_EQ(readFirstLine(dir / "f.dat"),
                  c.lines.empty() ? std::nullopt : std::optional(c.lines.front()));
    }
}

TEST_F(TextFile, ReadingWhatCannotBeReadThrowsTheSystemError) {
    fs::create_directory(dir / "folder");
    const std::pair<fs::path, int> cases[] = {{dir / "missing.dat", ENOENT},
                                              {dir / "folder", EISDIR}};
    for (const auto& [file, error] : cases) {
        SCOPED_TRACE(file);
        try {
            readLines(file);
            ADD_FAILURE() << "no exception";
        } catch (const std::system_error& e) {
            EXPECT_EQ(e.code().value(), error);
            EXPECT_NE(std::string(e.what()).find(std::strerror(error)), std::string::npos);
        }
        EXPECT_THROW(readFirstLine(file), std::system_error);
    }
}

TEST_F(TextFile, FailedWriteLeavesNothingBehind) {
    Sandbox::writeFile(dir / "plain", "x");
    fs::create_directory(dir / "folder");
    Sandbox::writeFile(dir / "folder/inside.dat", "kept\r\n");
    const fs::path targets[] = {dir / "plain/list.dat", dir / "missing/list.dat", dir / "folder"};
    for (const fs::path& target : targets) {
        SCOPED_TRACE(target);
        EXPECT_THROW(writeLines(target, {"line"}), std::system_error);
        EXPECT_THROW(appendLines(target, {"line"}), std::system_error);
    }
    EXPECT_EQ(directoryContents(dir), (std::vector<std::string>{"folder", "plain"}));
    EXPECT_EQ(directoryContents(dir / "folder"), std::vector<std::string>{"inside.dat"});
    EXPECT_EQ(Sandbox::readFile(dir / "folder/inside.dat"), "kept\r\n");
}

TEST_F(TextFile, DiskFullMidWriteKeepsThePreviousFileWhole) {
    Sandbox::writeFile(dir / "list.dat", "first\r\nsecond\r\n");
    // A file size limit makes the write fail half way, as a full disk would.
    const std::vector<std::string> lines(1000, std::string(100, 'x'));
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    std::error_code writeError, appendError;
    try {
        writeLines(dir / "list.dat", lines);
    } catch (const std::system_error& e) {
        writeError = e.code();
    }
    try {
        appendLines(dir / "list.dat", lines);
    } catch (const std::system_error& e) {
        appendError = e.code();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    EXPECT_EQ(writeError.value(), EFBIG);
    EXPECT_EQ(appendError.value(), EFBIG);
    EXPECT_EQ(Sandbox::readFile(dir / "list.dat"), "first\r\nsecond\r\n");
    EXPECT_EQ(directoryContents(dir), std::vector<std::string>{"list.dat"});
}

TEST_F(TextFile, PermissionsOfNewAndReplacedFiles) {
    const mode_t savedMask = umask(022);
    writeLines(dir / "new.dat", {"a"});
    EXPECT_EQ(permissionsOf(dir / "new.dat"), 0644u);
    umask(077);
    writeLines(dir / "private.dat", {"a"});
    EXPECT_EQ(permissionsOf(dir / "private.dat"), 0600u);
    umask(022);

    chmod((dir / "private.dat").c_str(), 0640);
    writeLines(dir / "private.dat", {"b"});
    appendLines(dir / "private.dat", {"c"});
    EXPECT_EQ(permissionsOf(dir / "private.dat"), 0640u);

    replaceFile(dir / "new.dat", "raw", 0600);
    EXPECT_EQ(permissionsOf(dir / "new.dat"), 0600u);
    EXPECT_EQ(Sandbox::readFile(dir / "new.dat"), "raw");
    umask(savedMask);
}

TEST_F(TextFile, AppendKeepsTheExistingBytes) {
    appendLines(dir / "new.dat", {"ą"});
    EXPECT_EQ(Sandbox::readFile(dir / "new.dat"), "\xB9\r\n");

    const std::string existing = "lf only\nodd \x81\x98 bytes\r\n";
    Sandbox::writeFile(dir / "list.dat", existing);
    appendLines(dir / "list.dat", {"ż", ""});
    EXPECT_EQ(Sandbox::readFile(dir / "list.dat"), existing + "\xBF\r\n\r\n");

    // A last line without its end stays a line of its own.
    Sandbox::writeFile(dir / "open.dat", "open");
    appendLines(dir / "open.dat", {"next"});
    EXPECT_EQ(readLines(dir / "open.dat"), (std::vector<std::string>{"open", "next"}));
}
