#include "cleaner/locations/profile_register.h"

#include "common/install_dir.h"
#include "common/letter_case.h"
#include "common/text_file.h"

#include <algorithm>

namespace cleaner {
namespace {
constexpr const char* kRegisterFile = "prof.dat";
}

bool profileRegisterExists() {
    return common::dataFileExists(kRegisterFile);
}

std::vector<std::string> readProfileRegister() {
    if (!profileRegisterExists())
        return {};
    return common::readLines(common::dataFile(kRegisterFile));
}

void createProfileRegister(const std::string& userNameField) {
    common::writeLines(common::dataFile(kRegisterFile), {userNameField});
}

bool appendProfile(const std::string& profileName) {
    if (!profileRegisterExists())
        return false;
    common::appendLines(common::dataFile(kRegisterFile), {profileName});
    return true;
}

bool isProfileRegistered(const std::vector<std::string>& registered, const std::string& name) {
    return std::any_of(registered.begin(), registered.end(), [&](const std::string& entry) {
        return common::equalsIgnoreAsciiCase(entry, name);
    });
}

} // namespace cleaner
