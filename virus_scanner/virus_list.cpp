#include "virus_scanner/virus_list.h"

#include "common/letter_case.h"
#include "common/text_file.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace virkil {

bool hasScannedExtension(std::string_view name) {
    static constexpr std::array<std::string_view, 7> extensions = {"exe", "com", "bat", "cab",
                                                                   "dll", "ocx", "vbs"};
    // The extensions are ASCII: the last three bytes are the last three characters exactly when
    // they match one of them.
    if (name.size() < 3)
        return false;
    const std::string_view last = name.substr(name.size() - 3);
    return std::find(extensions.begin(), extensions.end(), last) != extensions.end();
}

VirusList::LoadResult VirusList::load(const std::filesystem::path& file) {
    entries_.clear();
    unreadable_ = false;
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return LoadResult::Missing;
    std::vector<std::string> lines;
    try {
        lines = common::readLines(file);
    } catch (...) {
        unreadable_ = true;
        throw;
    }
    entries_.reserve(lines.size());
    for (std::string& line : lines) {
        std::string key = common::toUpperAscii(line);
        entries_.push_back({std::move(line), std::move(key)});
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    return LoadResult::Loaded;
}

std::vector<std::string> VirusList::names() const {
    std::vector<std::string> result;
    result.reserve(entries_.size());
    for (const Entry& entry : entries_)
        result.push_back(entry.name);
    return result;
}

std::size_t VirusList::insert(std::string name) {
    std::string key = common::toUpperAscii(name);
    const auto at =
        std::upper_bound(entries_.begin(), entries_.end(), key,
                         [](const std::string& k, const Entry& e) { return k < e.key; });
    const auto index = static_cast<std::size_t>(at - entries_.begin());
    entries_.insert(at, {std::move(name), std::move(key)});
    return index;
}

void VirusList::remove(std::size_t index) {
    if (index < entries_.size())
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::optional<std::size_t> VirusList::findPrefix(std::string_view text) const {
    if (text.empty())
        return std::nullopt;
    const std::string wanted = common::toUpperAscii(text);
    const std::size_t n = common::characterCount(text);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (common::leftCharacters(entries_[i].key, n) == wanted)
            return i;
    }
    return std::nullopt;
}

void VirusList::Zapisz_wirusa(const std::filesystem::path& file) const {
    // Saving a list that could not be read would replace the names never loaded.
    if (unreadable_)
        return;
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return;
    common::writeLines(file, names());
}

} // namespace virkil
