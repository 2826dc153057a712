// The main window's profile of the logged-in user: the button "Zapisz Mój profil użytkownika"
// and the default profile it shares with the first-run configuration.
#include "cleaner/locations/first_run.h"
#include "cleaner/locations/profile_register.h"
#include "cleaner/shell/main_window.h"
#include "common/install_dir.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/message_pump.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

using cleaner::ProfileOutcome;

namespace {

constexpr const char* kUnsupported =
    "Nie można utworzyć osobistego profilu. Nieznana lub zbyt stara wersja Windows 3.1/3.11";
constexpr const char* kNoUser =
    "Nie nie można ustawić Twojego profilu. Ponieważ nie masz ustawionego profilu użytkownika w "
    "systemie.\r\nWejdź do Panelu sterowania na ikonę Użytkownicy, utwórz konto użytkownika i "
    "ponów próbę zapisania profilu";
constexpr const char* kAlreadySaved = "Twój profil zalogowanego użytkownika jest już zapisany";

const char* savedMessage(ProfileOutcome outcome) {
    switch (outcome) {
    case ProfileOutcome::Win9xProfiles:
        return "Profil użytkownika dla systemu: Windows 9x/Me został utworzony i zapisany";
    case ProfileOutcome::Win9xDefault:
        return "Ze względu, że logujesz się jako domyślny użytkownik: Windows 9x/Me został "
               "utworzony i zapisany domyślny profil użytkownika";
    case ProfileOutcome::WinXP:
        return "Profil użytkownika dla systemu: Windows XP został utworzony i zapisany";
    case ProfileOutcome::WinNT:
        return "Profil użytkownika dla systemu: Windows 2000 został utworzony i zapisany";
    case ProfileOutcome::UnsupportedSystem:
    case ProfileOutcome::NoUser:
        break;
    }
    return nullptr;
}

} // namespace

void TForm1::buildProfileRow(QWidget* page, QBoxLayout* layout) {
    profil = new QPushButton(QStringLiteral("Zapisz Mój profil użytkownika"), page);
    connect(profil, &QPushButton::clicked, this, &TForm1::profilClick);
    auto* row = new QHBoxLayout;
    row->addWidget(profil);
    row->addStretch();
    layout->addLayout(row);
}

ProfileOutcome TForm1::writeDefaultProfile(const std::string& drive) {
    lista->clear();
    lista2->clear();
    const std::string user = usr->text().toStdString();
    const auto built = cleaner::buildDefaultProfile(drives_, family_, drive, user);
    switch (built.outcome) {
    case ProfileOutcome::UnsupportedSystem:
        ui::dialogs().showMessage(QString::fromUtf8(kUnsupported));
        return built.outcome;
    case ProfileOutcome::NoUser:
        ui::dialogs().messageBox(QString::fromUtf8(kNoUser), QStringLiteral("Brudex: Komunikat"),
                                 ui::Buttons::Ok, ui::Severity::Warning);
        return built.outcome;
    default:
        break;
    }
    appendLocations(built.locations);
    // The list file first: prof.dat marks the configuration done only once the list is saved.
    cleaner::writeLocationFile(common::dataFile(cleaner::listFileName(family_)), built.locations);
    cleaner::createProfileRegister(user);
    return built.outcome;
}

void TForm1::profilClick() {
    if (cleaner::profileRegisterExists()) {
        ui::dialogs().showMessage(QString::fromUtf8(kAlreadySaved));
        return;
    }
    ProfileOutcome outcome;
    try {
        outcome = writeDefaultProfile("C");
    } catch (const std::exception& error) {
        ui::showError(error);
        return;
    }
    if (const char* message = savedMessage(outcome)) {
        ui::dialogs().showMessage(QString::fromUtf8(message));
        ui::pumpMessages();
        pages->setCurrentIndex(czysc);
    }
}
