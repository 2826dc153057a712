#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The virus name list of Viry.dat: kept sorted with the letters a-z compared without case, so
// the order of the file does not matter. No defaults exist: without the file the list is empty.
namespace virkil {

inline constexpr std::string_view kVirusFile = "Viry.dat";

// True when the name's last three characters are exactly one of exe, com, bat, cab, dll, ocx,
// vbs (lower case, compared as written): the files the scan examines and the names it accepts.
bool hasScannedExtension(std::string_view name);

class VirusList {
public:
    enum class LoadResult { Loaded, Missing };

    // Replaces the entries by the file's lines (an empty line is an entry too). Missing: the
    // list stays empty. A read error throws std::system_error; the list is then empty and is
    // never saved over the unread file during this run.
    LoadResult load(const std::filesystem::path& file);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::string& name(std::size_t index) const { return entries_[index].name; }
    // The name with a-z turned to capitals, as the name check compares it.
    const std::string& key(std::size_t index) const { return entries_[index].key; }
    std::vector<std::string> names() const;

    // Places the name in sorted order (after names equal to it apart from case); returns its
    // index. Duplicates are kept.
    std::size_t insert(std::string name);
    void remove(std::size_t index);
    // The first entry whose first n characters (n = the text's length) equal the text apart
    // from the case of a-z; nullopt for an empty text or no match.
    std::optional<std::size_t> findPrefix(std::string_view text) const;

    // Zapisz_wirusa: rewrites the file with every entry in list order when it exists (and was
    // read); writes nothing when it does not. Throws common::EncodingError or std::system_error
    // with the file left as it was.
    void Zapisz_wirusa(const std::filesystem::path& file) const;

private:
    struct Entry {
        std::string name;
        std::string key;
    };
    std::vector<Entry> entries_;
    bool unreadable_ = false;
};

} // namespace virkil
