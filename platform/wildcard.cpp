#include "platform/wildcard.h"

namespace platform {
namespace {

inline char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Length of the UTF-8 sequence starting at text[pos] (1 for a stray byte), so that "?" takes one
// whole character.
inline std::size_t characterLength(std::string_view text, std::size_t pos) {
    std::size_t length = 1;
    while (pos + length < text.size() &&
           (static_cast<unsigned char>(text[pos + length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

} // namespace

Wildcard::Wildcard(std::string_view pattern) : pattern_(pattern) {
    for (char& c : pattern_)
        c = foldAscii(c);
    // "*.*" takes names without a dot as well, as the Windows file-name patterns do.
    matchesAll_ = pattern_ == "*" || pattern_ == "*.*";
}

bool Wildcard::matches(std::string_view name) const {
    if (matchesAll_)
        return true;
    const std::string_view pattern = pattern_;
    std::size_t p = 0;
    std::size_t n = 0;
    // The latest "*" and the name position it is currently tried against: on a mismatch the star
    // takes one more character. One star to return to is enough for this kind of pattern.
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size()) {
            const char c = pattern[p];
            if (c == '*') {
                starP = p++;
                starN = n;
                continue;
            }
            if (c == '?') {
                ++p;
                n += characterLength(name, n);
                continue;
            }
            if (c == foldAscii(name[n])) {
                ++p;
                ++n;
                continue;
            }
        }
        if (starP == std::string_view::npos)
            return false;
        p = starP + 1;
        starN += characterLength(name, starN);
        n = starN;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace platform
