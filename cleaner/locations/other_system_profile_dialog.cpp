#include "cleaner/locations/other_system_profile_dialog.h"

#include "cleaner/locations/new_profile_dialog.h"
#include "cleaner/locations/profile_dialogs.h"
#include "cleaner/locations/profile_register.h"
#include "cleaner/shell/main_window.h"
#include "platform/file_ops.h"
#include "ui/dialogs.h"
#include "ui/directory_list_box.h"
#include "ui/drive_combo.h"
#include "ui/message_pump.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cctype>

TForm13::TForm13(TForm1& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("Nowy profil - Inny system operacyjny"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Wybierz system i profil użytkownika"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    auto* steps = new QGridLayout;
    systemStep = new QLabel(QStringLiteral("Z jakiego systemu chcesz dopisać profil"), this);
    driveStep = new QLabel(QStringLiteral("Na którym dysku jest system operacyjny"), this);
    cmb_so = new QComboBox(this);
    cmb_so->setFont(bold);
    cmb_so->addItems({QStringLiteral("Windows 95/98"), QStringLiteral("Windows Me"),
                      QStringLiteral("Windows NT"), QStringLiteral("Windows 2000"),
                      QStringLiteral("Windows XP")});
    cmb_so->setCurrentIndex(-1);
    dysk = new ui::DriveCombo(main_.drives(), this);
    dysk->setFont(bold);
    dysk->setEnabled(false);
    steps->addWidget(systemStep, 0, 0);
    steps->addWidget(cmb_so, 0, 1);
    steps->addWidget(driveStep, 1, 0);
    steps->addWidget(dysk, 1, 1);
    layout->addLayout(steps);

    katalog = new ui::DirectoryListBox(main_.drives(), this);
    katalog->setFont(bold);
    katalog->setEnabled(false);
    layout->addWidget(katalog, 1);

    layout->addWidget(new QLabel(QStringLiteral("Wybrany profil:"), this));
    profil = new QLineEdit(this);
    profil->setReadOnly(true);
    layout->addWidget(profil);
    user = new QListWidget(this);
    user->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Zapisz = new QPushButton(QStringLiteral("Zapisz"), this);
    Zapisz->setEnabled(false);
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    buttons->addWidget(Zapisz);
    buttons->addWidget(Anuluj);
    layout->addLayout(buttons);

    // The drive box is tied to the directory list: a drive picked moves the list to it.
    connect(dysk, &ui::DriveCombo::driveChanged, katalog, &ui::DirectoryListBox::setDrive);
    connect(dysk, &QComboBox::activated, this, &TForm13::dyskClick);
    connect(cmb_so, &QComboBox::currentIndexChanged, this, &TForm13::cmb_soChange);
    connect(katalog, &QListWidget::itemClicked, this, &TForm13::katalogClick);
    connect(Zapisz, &QPushButton::clicked, this, &TForm13::ZapiszClick);
    connect(Anuluj, &QPushButton::clicked, this, &TForm13::AnulujClick);

    markStep(systemStep);
    setFixedSize(460, 440);
}

void TForm13::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TForm13::markStep(QLabel* current) {
    for (QLabel* label : {systemStep, driveStep})
        label->setStyleSheet(label == current ? QStringLiteral("color: blue;")
                                              : QStringLiteral("color: black;"));
}

TForm13::Group TForm13::group() const {
    switch (cmb_so->currentIndex()) {
    case 0:
    case 1:
        return Group::NineX;
    case 2:
    case 3:
        return Group::Nt;
    case 4:
        return Group::Xp;
    default:
        return Group::None;
    }
}

std::string TForm13::driveLetter() const {
    // The letter the drive box shows, in the upper case of every other path of the lists.
    const char letter = dysk->drive();
    return letter ? std::string(1, static_cast<char>(std::toupper(letter))) : std::string();
}

std::string TForm13::profileName() const {
    return profil->text().toStdString();
}

void TForm13::FormActivate() {
    dysk->setDrive('c');
    loadProfileRegister(*user);
}

void TForm13::cmb_soChange() {
    katalog->setEnabled(false);
    Zapisz->setEnabled(false);
    if (group() == Group::None)
        return;
    dysk->setEnabled(true);
    markStep(driveStep);
}

void TForm13::dyskClick() {
    const Group chosen = group();
    if (chosen == Group::None)
        return;
    const std::string d = driveLetter();
    const platform::DriveTable& drives = main_.drives();
    bool installed = false;
    std::string container;
    const char* missing = nullptr;
    switch (chosen) {
    case Group::NineX:
        installed = platform::fileExists(drives, d + ":\\Windows\\System\\Gdi.exe");
        container = d + ":\\Windows\\Profiles";
        missing = "W podanej lokalizacji nie ma zainstalowanego systemu: Windows 9x/Me";
        break;
    case Group::Nt:
        installed = platform::fileExists(drives, d + ":\\Winnt\\System32\\Gdi32.dll");
        container = d + ":\\Documents and Settings";
        missing = "W podanej lokalizacji nie ma zainstalowanego systemu: Windows NT/2000";
        break;
    case Group::Xp:
        installed = platform::directoryExists(drives, d + ":\\Documents and Settings");
        container = d + ":\\Documents and Settings";
        missing = "W podanej lokalizacji nie ma zainstalowanego systemu: Windows XP";
        break;
    case Group::None:
        return;
    }
    // A profile picked on another drive does not belong to the folders now shown.
    profil->clear();
    Zapisz->setEnabled(false);
    if (installed) {
        katalog->setDirectory(QString::fromStdString(container));
        katalog->setEnabled(true);
        driveStep->setStyleSheet(QStringLiteral("color: black;"));
        return;
    }
    ui::dialogs().showMessage(QString::fromUtf8(missing));
    markStep(systemStep);
    cmb_so->setCurrentIndex(-1);
    katalog->setEnabled(false);
    dysk->setEnabled(false);
}

void TForm13::katalogClick() {
    takeClickedProfile(*katalog, *profil, *Zapisz);
}

bool TForm13::Jest_profil() const {
    return isRegistered(*user, profileName());
}

void TForm13::Dopisz_98() {
    appendProfileToList(main_.drives(), main_.family(), cleaner::ProfileLayout::NineXOtherSystem,
                        driveLetter(), profileName());
}

void TForm13::Dopisz_NT() {
    appendProfileToList(main_.drives(), main_.family(), cleaner::ProfileLayout::NtXp, driveLetter(),
                        profileName());
}

void TForm13::Dopisz_XP() {
    Dopisz_NT();
}

void TForm13::Dopisz_profil() {
    cleaner::appendProfile(profileName());
}

void TForm13::ZapiszClick() {
    if (profil->text().isEmpty()) {
        ui::dialogs().messageBox(
            QStringLiteral("Nie wybrano żadnego profilu użytkownika - Zaznacz na liście "
                           "interesujący cię profil..."),
            QString::fromUtf8(kProfileCaption), ui::Buttons::Ok, ui::Severity::Information);
        return;
    }
    const Group chosen = group();
    if (chosen == Group::None)
        return;
    if (!profileNameAccepted(profileName(), Jest_profil(), chosen == Group::NineX))
        return;
    const bool saved = saveProfile(
        main_,
        [this, chosen] {
            if (chosen == Group::NineX)
                Dopisz_98();
            else if (chosen == Group::Nt)
                Dopisz_NT();
            else
                Dopisz_XP();
        },
        [this] { Dopisz_profil(); });
    if (!saved)
        return;
    if (newUser_ && newUser_->isVisible())
        newUser_->done(QDialog::Accepted);
    accept();
}

void TForm13::AnulujClick() {
    dysk->setEnabled(false);
    katalog->setEnabled(false);
    user->clear();
    Zapisz->setEnabled(false);
    cmb_so->setCurrentIndex(-1);
    profil->clear();
    reject();
}
