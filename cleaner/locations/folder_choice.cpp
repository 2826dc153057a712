#include "cleaner/locations/folder_choice.h"

#include "common/letter_case.h"

namespace cleaner {

bool chooserShowsNetwork(std::string_view modeText) {
    return modeText != "1" && modeText != "3";
}

std::optional<int> chooserMode(std::string_view modeText) {
    if (modeText == "1")
        return 1;
    if (modeText == "2")
        return 2;
    if (modeText == "3")
        return 3;
    return std::nullopt;
}

std::optional<std::string> refusalOfChosenPath(int mode, std::string_view path) {
    const bool network = mode == 2;
    if (path.empty()) {
        switch (mode) {
        case 1:
            return "Nie wybrano żadnego katalogu";
        case 2:
            return "Nie wybrano żadnego katalogu sieciowego";
        default:
            return "Nie wybrano żadnego katalogu ";
        }
    }
    // Characters, not bytes: a display name such as "Mój komputer" must not pass by accident.
    const std::string head = common::leftCharacters(path, 3);
    const bool passes = network ? path.starts_with("\\\\")
                                : common::characterCount(head) == 3 && head.back() == '\\';
    if (passes)
        return std::nullopt;
    return std::string(path) +
           (network ? " nie jest katalogiem sieciowym" : " nie jest katalogiem");
}

} // namespace cleaner
