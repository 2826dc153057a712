#include "cleaner/disk_scanner/mask_sets.h"

#include "common/install_dir.h"
#include "common/letter_case.h"
#include "common/text_file.h"

namespace cleaner {

namespace {

const std::vector<std::string> kFullShown = {
    "*.TMP",  "*.BAK",  "*.BAC",  "*.OLD",  "*.CHK", "*.LOG",  "*.LGC",  "*.LGD",  "*.VIR",
    "*.MKS",  "*.ERR",  "*.WPL",  "*.BSC",  "*.---", "*.~PAS", "*.~DFM", "*.~DDP", "*.~DSK",
    "*.~DPR", "*.~DPK", "*.~BPL", "*.~XFM", "*.~PA", "*.~DF",  "*.~BP",  "*.~CP",  "*.~MA",
    "*.~H",   "*.###",  "*.@@@",  "*.___",  "*.CNT", "*.DIR",  "*.LDB",  "*.FFA",  "*.FFL",
    "*.FFF",  "*.MRP",  "*.SCB",  "*.DOF",  "*.GID", "*.FTS",  "*.FTG",
};

const std::vector<std::string> kFullSaved = {
    "*.TMP",  "*.BAK",  "*.BAC",  "*.OLD",  "*.CHK",  "*.LOG",  "*.LGD",  "*.LGC",
    "*.VIR",  "*.MKS",  "*.ERR",  "*.WPL",  "*.BSC",  "*.---",  "*.~PAS", "*.~DFM",
    "*.~DDP", "*.~DSK", "*.~DPR", "*.~DPK", "*.~BPL", "*.~XFM", "*.~XF",  "*.~DP",
    "*.~PA",  "*.~DF",  "*.~BP",  "*.~CP",  "*.~MA",  "*.~H",   "*.~CDR", "*.###",
    "*.@@@",  "*.LDB",  "*.___",  "*.CNT",  "*.DIR",  "*.WBK",  "*.FFA",  "*.FFL",
    "*.FFF",  "*.MRP",  "*.SCB",  "*.GID",  "*.DOF",  "*.FTS",  "*.FTG",
};

const std::vector<std::string> kRestrictedShown = {
    "*.TMP", "*.BAK", "*.BAC", "*.OLD", "*.CHK", "*.LOG", "*.VIR", "*.---",
    "*.###", "*.@@@", "*.___", "*.LDB", "*.MRP", "*.SCB", "*.FTS", "*.FTG",
};

const std::vector<std::string> kRestrictedSaved = {
    "*.TMP", "*.BAK", "*.BAC", "*.OLD", "*.CHK", "*.LOG", "*.VIR", "*.WPL", "*.BSC", "*.---",
    "*.###", "*.@@@", "*.LDB", "*.___", "*.WBK", "*.MRP", "*.SCB", "*.FTS", "*.FTG",
};

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

const char* maskFileName(MaskSet set) {
    return set == MaskSet::Full ? "maski.dat" : "maski2.dat";
}

const std::vector<std::string>& shownDefaultMasks(MaskSet set) {
    return set == MaskSet::Full ? kFullShown : kRestrictedShown;
}

const std::vector<std::string>& savedDefaultMasks(MaskSet set) {
    return set == MaskSet::Full ? kFullSaved : kRestrictedSaved;
}

std::optional<std::vector<std::string>> readMaskFile(MaskSet set) {
    if (!common::dataFileExists(maskFileName(set)))
        return std::nullopt;
    return common::readLines(common::dataFile(maskFileName(set)));
}

bool saveMaskFile(MaskSet set, const std::vector<std::string>& masks) {
    const bool exists = common::dataFileExists(maskFileName(set));
    common::writeLines(common::dataFile(maskFileName(set)),
                       exists ? masks : savedDefaultMasks(set));
    return exists;
}

std::optional<std::string> maskFromInput(std::string_view text) {
    const std::size_t length = common::characterCount(text);
    if (length < 2 || length > 4)
        return std::nullopt;
    return "*." + common::toUpperAscii(text);
}

std::string_view lastCharacters(std::string_view utf8, std::size_t n) {
    std::size_t start = utf8.size();
    for (std::size_t counted = 0; start > 0 && counted < n;) {
        --start;
        if (!isContinuationByte(utf8[start]))
            ++counted;
    }
    return utf8.substr(start);
}

void SearchSet::copyAll(const std::vector<std::string>& masks) {
    entries_.clear();
    for (const std::string& mask : masks)
        entries_.push_back(common::toLowerAscii(mask));
}

void SearchSet::addEntry(std::string_view mask, bool selected) {
    entries_.push_back(selected ? common::toLowerAscii(mask) : std::string("*.*"));
}

bool SearchSet::contains(std::string_view candidate) const {
    for (const std::string& entry : entries_) {
        if (entry == candidate)
            return true;
    }
    return false;
}

// The candidate is "*" + tail; compared without building it. "*.*" stands for an unselected
// mask and never matches, not even a Linux file named ".*".
bool SearchSet::containsStarred(std::string_view tail) const {
    if (tail == ".*")
        return false;
    for (const std::string& entry : entries_) {
        if (entry.size() == tail.size() + 1 && entry[0] == '*' &&
            std::string_view(entry).substr(1) == tail)
            return true;
    }
    return false;
}

bool SearchSet::matchesFileName(std::string_view name) const {
    return containsStarred(lastCharacters(name, 4)) || containsStarred(lastCharacters(name, 5));
}

} // namespace cleaner
