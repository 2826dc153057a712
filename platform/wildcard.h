#pragma once

#include <string>
#include <string_view>

namespace platform {

// A file-name pattern as Windows matches it: "*" any run of characters (also none), "?" any one
// character, letter case ignored (a-z), "*.*" every name (names without a dot included); every
// other character stands for itself.
class Wildcard {
public:
    explicit Wildcard(std::string_view pattern);
    bool matches(std::string_view name) const;
    const std::string& pattern() const { return pattern_; }

private:
    std::string pattern_; // lower-cased
    bool matchesAll_ = false;
};

} // namespace platform
