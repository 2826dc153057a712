// The main window's system detection and location list files.
#include "cleaner/locations/system_detection.h"
#include "cleaner/shell/main_window.h"
#include "common/install_dir.h"
#include "ui/application.h"
#include "ui/dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using cleaner::SystemFamily;

void TForm1::System_op() {
    const auto detected =
        cleaner::detectSystem(platform::windowsVersion(drives_), platform::kernelVersion());
    if (detected.family) {
        family_ = *detected.family;
        lbl_so->setText(QString::fromStdString(detected.label));
    }
    const std::string name = platform::loginName();
    lbl_user->setText(QStringLiteral("Zalogowany użytkownik: ") + QString::fromStdString(name));
    usr->setText(QString::fromStdString(cleaner::userNameField(name)));
}

void TForm1::appendLocations(const std::vector<cleaner::Location>& locations) {
    for (const auto& location : locations) {
        lista->addItem(QString::fromStdString(location.directory));
        lista2->addItem(QString::fromStdString(location.mask));
    }
}

std::vector<cleaner::Location> TForm1::locations() const {
    std::vector<cleaner::Location> result;
    const int count = std::min(lista->count(), lista2->count());
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        result.push_back(
            {lista->item(i)->text().toStdString(), lista2->item(i)->text().toStdString()});
    return result;
}

void TForm1::loadList(SystemFamily family) {
    const std::string file = cleaner::listFileName(family);
    if (file.empty())
        return;
    if (!common::dataFileExists(file)) {
        appendLocations(cleaner::defaultLocations(family));
        saveList(family);
        return;
    }
    try {
        appendLocations(cleaner::readLocationFile(common::dataFile(file)));
        unreadableLists_.erase(family);
    } catch (const std::exception& error) {
        unreadableLists_.insert(family);
        ui::showError(error);
    }
}

void TForm1::saveList(SystemFamily family) {
    const std::string file = cleaner::listFileName(family);
    if (file.empty())
        return;
    if (unreadableLists_.count(family)) {
        ui::dialogs().showMessage(
            QStringLiteral("Nie zapisano listy katalogów: plik %1 nie dał się odczytać, więc nie "
                           "zostanie nadpisany.")
                .arg(QString::fromStdString(file)));
        return;
    }
    try {
        cleaner::writeLocationFile(common::dataFile(file), locations());
    } catch (const std::exception& error) {
        ui::showError(error);
    }
}

void TForm1::Odczyt_listy() {
    loadList(SystemFamily::Win9x);
}
void TForm1::Odczyt_listy_XP() {
    loadList(SystemFamily::WinXP);
}
void TForm1::Odczyt_listy_NT() {
    loadList(SystemFamily::WinNT);
}
void TForm1::Zapisz_liste() {
    saveList(SystemFamily::Win9x);
}
void TForm1::Zapisz_liste_XP() {
    saveList(SystemFamily::WinXP);
}
void TForm1::Zapisz_liste_NT() {
    saveList(SystemFamily::WinNT);
}
void TForm1::loadFamilyList() {
    loadList(family_);
}
void TForm1::saveFamilyList() {
    saveList(family_);
}
