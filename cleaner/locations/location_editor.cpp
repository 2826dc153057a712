#include "cleaner/locations/location_editor.h"

#include "common/install_dir.h"
#include "common/letter_case.h"
#include "common/text_file.h"

#include <filesystem>

namespace cleaner {

const std::vector<std::string>& readyMadeMasks() {
    static const std::vector<std::string> masks = {
        "*.*",   "*.TMP", "*.DAT", "*.LOG", "*.LGC", "*.LGD", "*.BAK", "*.BAC", "*.BACKUP", "*.CHK",
        "*.1ST", "*.URL", "*.WPL", "*.LNK", "*.TXT", "*.DOC", "*.XLS", "*.LDB", "*.0??",    "*.~??",
        "*.~*",  "*.*~",  "*.###", "*.&??", "*.?&&", "*.@??", "*.@@@", "*.___", "*.??&",    "*.CNT",
        "*.CDT", "*.DIR", "*.MKS", "*.VIR", "*.ERR", "*.WBK", "*.FFF", "*.FFL", "*.FFA",    "*.FF?",
        "*.MRP", "*.SCB", "*.BSC", "*.GID", "*.DOF", "*.VBS", "*.JS"};
    return masks;
}

std::string locationDirectory(std::string_view picked) {
    if (common::characterCount(picked) == 3)
        return std::string(picked);
    return std::string(picked) + "\\";
}

std::optional<std::string> unstorableLocation(const Location& location) {
    if (location.directory.find('^') != std::string::npos)
        return "Nie można dodać katalogu: " + location.directory +
               "\nZnak ^ w nazwie katalogu rozdziela katalog i maskę w liście katalogów";
    if (!common::fitsCp1250(location.directory) || !common::fitsCp1250(location.mask))
        return "Nie można dodać katalogu: " + location.directory + "^" + location.mask +
               "\nNazwa zawiera znaki, których nie można zapisać w liście katalogów";
    return std::nullopt;
}

void forgetAllLocations(SystemFamily family) {
    std::filesystem::remove(common::dataFile("prof.dat"));
    const std::string list = listFileName(family);
    if (!list.empty())
        std::filesystem::remove(common::dataFile(list));
}

} // namespace cleaner
