#pragma once

#include "cleaner/locations/location_list.h"
#include "cleaner/locations/profile_locations.h"
#include "platform/drive_table.h"

#include <functional>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;
class TForm1;

// What the new user profile dialog and the other system profile dialog share.

inline constexpr const char* kProfileCaption = "[Zelvik] Brudex";

// Appends the lines of prof.dat to the hidden list (not emptied first); a file that cannot be
// read is reported and adds nothing.
void loadProfileRegister(QListWidget& user);
bool isRegistered(const QListWidget& user, const std::string& name);

// A click on the folder list: the clicked folder becomes the profile name and may be saved.
void takeClickedProfile(const QListWidget& folders, QLineEdit& profile, QPushButton& save);

// The refusals of a picked profile name, each shown in its message box: a name registered
// already, a system folder (and "System" when refuseSystem), a name the list file cannot hold.
bool profileNameAccepted(const std::string& name, bool registered, bool refuseSystem);

// Appends the profile's lines to the list file of the family (when it exists) after the
// attribute resets. Throws when the file cannot take them (it is then unchanged).
void appendProfileToList(const platform::DriveTable& drives, cleaner::SystemFamily family,
                         cleaner::ProfileLayout layout, const std::string& drive,
                         const std::string& name);

// Runs the variant, then registers the name, then reloads the main window's list from the file.
// A variant that fails is reported and nothing else happens (false): the name is not
// registered, so the user can try again.
bool saveProfile(TForm1& main, const std::function<void()>& appendLocations,
                 const std::function<void()>& registerName);
