#pragma once

#include <string>
#include <string_view>

// Letter-case conversions of the data files and the lists: only a-z and A-Z change; every other
// character, Polish letters included, stays as it is.
namespace common {

std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

// Number of characters (code points) of a UTF-8 text, not bytes.
std::size_t characterCount(std::string_view utf8);
// The first n characters of a UTF-8 text (the whole text when it is shorter).
std::string leftCharacters(std::string_view utf8, std::size_t n);

} // namespace common
