#include "common/letter_case.h"

namespace common {

namespace {

char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = upperAscii(c);
    return result;
}

std::string toLowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = lowerAscii(c);
    return result;
}

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        if (!isContinuationByte(c))
            ++count;
    }
    return count;
}

std::string leftCharacters(std::string_view utf8, std::size_t n) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!isContinuationByte(utf8[i])) {
            if (characters == n)
                return std::string(utf8.substr(0, i));
            ++characters;
        }
    }
    return std::string(utf8);
}

} // namespace common
