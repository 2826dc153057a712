#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The disk scanner's mask sets: the full set in maski.dat, the restricted one in maski2.dat, one
// mask ("*.TMP") per line. A missing file shows one built-in list and is then created with a
// longer one, so the first use shows fewer masks than later ones.
namespace cleaner {

enum class MaskSet { Full, Restricted };

const char* maskFileName(MaskSet set);
// What a load shows when the file is missing.
const std::vector<std::string>& shownDefaultMasks(MaskSet set);
// What a save writes when the file is missing (instead of the list).
const std::vector<std::string>& savedDefaultMasks(MaskSet set);

// Every line of the set's file, empty lines included; nullopt when the file is missing.
// Throws std::system_error when the file cannot be read.
std::optional<std::vector<std::string>> readMaskFile(MaskSet set);
// Rewrites the set's file with the masks when it exists; creates it with the saved defaults
// otherwise. Returns true when the masks were written. Throws when writing fails.
bool saveMaskFile(MaskSet set, const std::vector<std::string>& masks);

// A new mask from the text the user typed: "*." and the text with a-z upper-cased, for 2 to 4
// characters; nullopt otherwise. Nothing else is checked.
std::optional<std::string> maskFromInput(std::string_view text);

// The last n characters of a UTF-8 text (the whole text when shorter).
std::string_view lastCharacters(std::string_view utf8, std::size_t n);

// The masks one scan compares with, lower-cased (a-z only).
class SearchSet {
public:
    void clear() { entries_.clear(); }
    // Kopiuj_wszystkie: the set becomes every mask, in order.
    void copyAll(const std::vector<std::string>& masks);
    // Button1Click for one entry of the list: the mask when selected, else "*.*", which no
    // candidate can equal. Does not empty the set.
    void addEntry(std::string_view mask, bool selected);

    // Sprawdz_maski: equal, case-sensitively, to an entry.
    bool contains(std::string_view candidate) const;
    // A file name matches when "*" and its last four characters, or else "*" and its last five,
    // are in the set. Only three- and four-letter extensions spelled in lower case can match.
    bool matchesFileName(std::string_view name) const;

    const std::vector<std::string>& entries() const { return entries_; }

private:
    bool containsStarred(std::string_view tail) const;
    std::vector<std::string> entries_;
};

} // namespace cleaner
