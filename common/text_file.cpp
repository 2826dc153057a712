#include "common/text_file.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <unordered_map>

namespace fs = std::filesystem;

namespace common {

namespace {

// Code points of the bytes 0x80-0xFF. The five bytes Windows-1250 leaves undefined (0x81, 0x83,
// 0x88, 0x90, 0x98) stand for the code point of the same value.
constexpr std::array<char32_t, 128> upperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

const std::unordered_map<char32_t, unsigned char>& encodingTable() {
    static const auto table = [] {
        std::unordered_map<char32_t, unsigned char> map;
        for (std::size_t i = 0; i < upperHalf.size(); ++i)
            map.emplace(upperHalf[i], static_cast<unsigned char>(0x80 + i));
        return map;
    }();
    return table;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Every code point of the table lies below U+10000.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Next code point of a UTF-8 text; nullopt for a malformed sequence.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length;
    char32_t c;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size())
        return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if ((byte & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (byte & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return c;
}

[[noreturn]] void throwSystemError(int error, const std::string& what) {
    throw std::system_error(error, std::system_category(), what);
}

std::string encodeOrThrow(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        const std::optional<std::string> encoded = encodeCp1250(line);
        if (!encoded)
            throw EncodingError("text cannot be stored in Windows-1250: " + line);
        bytes += *encoded;
        bytes += "\r\n";
    }
    return bytes;
}

// The whole content of a file; nullopt when it does not exist.
std::optional<std::string> readBytes(const fs::path& file, bool missingIsError) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT && !missingIsError)
            return std::nullopt;
        throwSystemError(errno, "cannot open " + file.string());
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            throwSystemError(error, "cannot read " + file.string());
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::string temporaryNameFor(const fs::path& file) {
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(8, 'x');
    for (char& c : suffix)
        c = digits[generator() % (sizeof digits - 1)];
    return "." + file.filename().string() + ".tmp-" + suffix;
}

} // namespace

std::string decodeCp1250(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x80)
            text += byte;
        else
            appendUtf8(text, upperHalf[value - 0x80]);
    }
    return text;
}

std::optional<std::string> encodeCp1250(std::string_view utf8) {
    const auto& table = encodingTable();
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::optional<char32_t> c = nextCodePoint(utf8, pos);
        if (!c)
            return std::nullopt;
        if (*c < 0x80) {
            bytes += static_cast<char>(*c);
            continue;
        }
        const auto found = table.find(*c);
        if (found == table.end())
            return std::nullopt;
        bytes += static_cast<char>(found->second);
    }
    return bytes;
}

bool fitsCp1250(std::string_view utf8) {
    return encodeCp1250(utf8).has_value();
}

std::vector<std::string> readLines(const fs::path& file) {
    const std::string bytes = *readBytes(file, true);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool lineEnded = end != std::string::npos;
        if (!lineEnded)
            end = bytes.size();
        std::size_t length = end - start;
        if (lineEnded && length > 0 && bytes[end - 1] == '\r')
            --length;
        lines.push_back(decodeCp1250(std::string_view(bytes).substr(start, length)));
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> readFirstLine(const fs::path& file) {
    std::vector<std::string> lines = readLines(file);
    if (lines.empty())
        return std::nullopt;
    return std::move(lines.front());
}

void replaceFile(const fs::path& file, std::string_view bytes, std::optional<unsigned> mode) {
    const fs::path directory = file.has_parent_path() ? file.parent_path() : fs::path(".");

    // Keep the permissions (and, where allowed, the owner) of the file being replaced.
    struct stat previous {};
    const bool replacing = ::stat(file.c_str(), &previous) == 0 && S_ISREG(previous.st_mode);

    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = directory / temporaryNameFor(file);
        // 0644 subject to the umask, as any new file.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && (errno != EEXIST || attempt > 100))
            throwSystemError(errno, "cannot write " + file.string());
    }

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throwSystemError(error, "cannot write " + file.string());
    };

    if (mode) {
        if (::fchmod(fd, *mode) != 0)
            fail(errno);
    } else if (replacing) {
        if (previous.st_uid != ::geteuid() || previous.st_gid != ::getegid()) {
            // Only possible for a privileged user; otherwise the new owner is us.
            [[maybe_unused]] int ignored = ::fchown(fd, previous.st_uid, previous.st_gid);
        }
        if (::fchmod(fd, previous.st_mode & 07777) != 0)
            fail(errno);
    }

    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throwSystemError(error, "cannot write " + file.string());
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throwSystemError(error, "cannot write " + file.string());
    }
    // Make the rename itself durable.
    const int directoryFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directoryFd >= 0) {
        ::fsync(directoryFd);
        ::close(directoryFd);
    }
}

void writeLines(const fs::path& file, const std::vector<std::string>& lines) {
    replaceFile(file, encodeOrThrow(lines));
}

void appendLines(const fs::path& file, const std::vector<std::string>& lines) {
    const std::string added = encodeOrThrow(lines);
    std::string bytes = readBytes(file, false).value_or(std::string());
    // A last line without its line end would otherwise swallow the first new line.
    if (!bytes.empty() && bytes.back() != '\n')
        bytes += "\r\n";
    bytes += added;
    replaceFile(file, bytes);
}

} // namespace common
