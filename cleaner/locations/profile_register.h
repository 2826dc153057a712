#pragma once

#include <string>
#include <vector>

// prof.dat: its existence marks the first-run configuration as done; line 1 holds the user name
// field's text, later lines the profile folder names added since.
namespace cleaner {

bool profileRegisterExists();
// Every line; empty when the file is missing. Throws std::system_error when it cannot be read.
std::vector<std::string> readProfileRegister();
// Creates or truncates prof.dat with the one line. Throws on failure (file left whole).
void createProfileRegister(const std::string& userNameField);
// Appends a profile folder name, only when prof.dat exists; false when it does not.
bool appendProfile(const std::string& profileName);
// A name already registered, letter case of a-z ignored (Polish letters compared exactly).
bool isProfileRegistered(const std::vector<std::string>& registered, const std::string& name);

} // namespace cleaner
