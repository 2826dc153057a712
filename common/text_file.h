#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The data files: plain text lines in Windows-1250 on disk, UTF-8 in memory, CR LF written,
// LF alone accepted on reading. A file is always replaced whole through a temporary file and a
// rename, so a failed write leaves the previous file intact.
namespace common {

// A text that Windows-1250 cannot hold; nothing was written.
class EncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decoding never fails: the five bytes Windows-1250 leaves undefined map to the code point of
// the same value, so a file read and written back is unchanged.
std::string decodeCp1250(std::string_view bytes);
// nullopt when some character has no Windows-1250 byte.
std::optional<std::string> encodeCp1250(std::string_view utf8);
bool fitsCp1250(std::string_view utf8);

// Throws std::system_error (with the system's error text) when the file cannot be read.
std::vector<std::string> readLines(const std::filesystem::path& file);
// The first line, or nullopt when the file is empty. Throws like readLines.
std::optional<std::string> readFirstLine(const std::filesystem::path& file);

// Replaces the file atomically with the lines, each ended by CR LF. Throws EncodingError before
// touching anything when a line cannot be encoded, std::system_error when writing fails.
void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
// Appends lines to the file (created when missing), keeping its bytes; atomic like writeLines.
void appendLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Replaces the file atomically with the bytes: a temporary file beside it, flushed to disk, then
// renamed over it. The new file gets the given mode, else the replaced file's permissions, else
// 0644 less the umask. Throws std::system_error (nothing changed) when writing fails.
void replaceFile(const std::filesystem::path& file, std::string_view bytes,
                 std::optional<unsigned> mode = std::nullopt);

} // namespace common
