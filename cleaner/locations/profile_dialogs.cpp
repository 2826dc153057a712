#include "cleaner/locations/profile_dialogs.h"

#include "cleaner/locations/profile_register.h"
#include "cleaner/shell/main_window.h"
#include "common/install_dir.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/message_pump.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void loadProfileRegister(QListWidget& user) {
    try {
        for (const std::string& line : cleaner::readProfileRegister())
            user.addItem(QString::fromStdString(line));
    } catch (const std::exception& error) {
        ui::showError(error);
    }
}

bool isRegistered(const QListWidget& user, const std::string& name) {
    std::vector<std::string> registered;
    for (int i = 0; i < user.count(); ++i)
        registered.push_back(user.item(i)->text().toStdString());
    return cleaner::isProfileRegistered(registered, name);
}

void takeClickedProfile(const QListWidget& folders, QLineEdit& profile, QPushButton& save) {
    if (const QListWidgetItem* item = folders.currentItem()) {
        profile.setText(item->text());
        save.setEnabled(true);
    }
}

bool profileNameAccepted(const std::string& name, bool registered, bool refuseSystem) {
    const QString caption = QString::fromUtf8(kProfileCaption);
    const QString shown = QString::fromStdString(name);
    if (registered) {
        ui::dialogs().messageBox(QStringLiteral("Wybrany Profil: ") + shown +
                                     QStringLiteral(" jest już zapisany w programie\nWybierz "
                                                    "inny profil użytkownika"),
                                 caption, ui::Buttons::Ok, ui::Severity::Information);
        return false;
    }
    if (cleaner::isSystemFolderName(name, refuseSystem)) {
        ui::dialogs().messageBox(QString::fromUtf8(cleaner::kNotAProfileMessage), caption,
                                 ui::Buttons::Ok, ui::Severity::Warning);
        return false;
    }
    if (const auto problem = cleaner::unstorableProfileName(name)) {
        ui::dialogs().messageBox(QString::fromStdString(*problem), caption, ui::Buttons::Ok,
                                 ui::Severity::Warning);
        return false;
    }
    return true;
}

void appendProfileToList(const platform::DriveTable& drives, cleaner::SystemFamily family,
                         cleaner::ProfileLayout layout, const std::string& drive,
                         const std::string& name) {
    const std::string file = cleaner::listFileName(family);
    // Windows 3.1 keeps no list: only the attribute resets are made.
    cleaner::appendProfileLocations(drives,
                                    file.empty() ? std::filesystem::path() : common::dataFile(file),
                                    cleaner::profileLocations(layout, drive, name));
}

bool saveProfile(TForm1& main, const std::function<void()>& appendLocations,
                 const std::function<void()>& registerName) {
    try {
        appendLocations();
    } catch (const std::exception& error) {
        ui::showError(error);
        return false;
    }
    try {
        registerName();
    } catch (const std::exception& error) {
        // The lines are in the list file already: show the list as the file holds it.
        ui::showError(error);
    }
    main.lista->clear();
    main.lista2->clear();
    ui::pumpMessages();
    main.loadFamilyList();
    return true;
}
