#include "cleaner/locations/new_profile_dialog.h"

#include "cleaner/locations/other_system_profile_dialog.h"
#include "cleaner/locations/profile_dialogs.h"
#include "cleaner/locations/profile_locations.h"
#include "cleaner/locations/profile_register.h"
#include "cleaner/shell/main_window.h"
#include "common/install_dir.h"
#include "platform/file_ops.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/directory_list_box.h"
#include "ui/message_pump.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using cleaner::SystemFamily;

namespace {

constexpr const char* kNoProfileHelp =
    "Nie mogę zidentyfikować żadnego profilu użytkownika\nWejdź do Panelu sterowania, załóż "
    "konto użytkownika i ponów próbę zakładania profilu";

} // namespace

TForm9::TForm9(TForm1& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("Nowy profil użytkownika"));
    // Fixed single border without border icons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Lista dostępnych profilów użytkowników..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    for (const char* text :
         {"Jeżeli na liście nie ma katalogów, zmień atrybuty na archiwalny katalogów:",
          "Windows 9x: C:\\Windows\\Profiles", "Windows NT: C:\\Dokuments and Settings",
          "i ponów próbę dodania profilu"})
        layout->addWidget(new QLabel(QString::fromUtf8(text), this));

    katalog = new ui::DirectoryListBox(main_.drives(), this);
    katalog->setFont(bold);
    layout->addWidget(katalog, 1);
    connect(katalog, &QListWidget::itemClicked, this, &TForm9::katalogClick);

    layout->addWidget(new QLabel(QStringLiteral("Wybrany profil"), this));
    profil = new QLineEdit(this);
    profil->setReadOnly(true);
    layout->addWidget(profil);
    user = new QListWidget(this);
    user->hide();

    auto* buttons = new QHBoxLayout;
    inny_so = new QPushButton(QStringLiteral("Nowy profil innego system.."), this);
    inny_so->setToolTip(QStringLiteral("Dodaje profil innego systemu operacyjnego"));
    Zapisz = new QPushButton(QStringLiteral("Zapisz"), this);
    Zapisz->setEnabled(false);
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    buttons->addWidget(inny_so);
    buttons->addStretch();
    buttons->addWidget(Zapisz);
    buttons->addWidget(Anuluj);
    layout->addLayout(buttons);
    connect(Zapisz, &QPushButton::clicked, this, &TForm9::ZapiszClick);
    connect(Anuluj, &QPushButton::clicked, this, &TForm9::AnulujClick);
    connect(inny_so, &QPushButton::clicked, this, &TForm9::inny_soClick);

    setFixedSize(490, 460);
}

void TForm9::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TForm9::closeDialog() {
    // Closing from inside the activation must wait until the modal loop runs.
    if (isVisible())
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    else
        done(QDialog::Rejected);
}

std::string TForm9::profileName() const {
    return profil->text().toStdString();
}

std::string TForm9::ntDrive() const {
    return cleaner::driveOfFirstLocation(main_.locations());
}

void TForm9::FormActivate() {
    loadProfileRegister(*user);
    const platform::DriveTable& drives = main_.drives();
    QString container;
    QString fallback;
    QString help = QString::fromUtf8(kNoProfileHelp);
    switch (main_.family()) {
    case SystemFamily::Win9x:
        container = QStringLiteral("C:\\Windows\\Profiles");
        fallback = QStringLiteral("C:\\");
        break;
    case SystemFamily::WinXP:
    case SystemFamily::WinNT:
        container = QString::fromStdString(ntDrive()) + QStringLiteral(":\\Documents and Settings");
        fallback = main_.family() == SystemFamily::WinXP ? QStringLiteral("C:\\")
                                                         : QStringLiteral("C:\\Winnt");
        help +=
            QStringLiteral(", lub sprawdź gdzie jest zainstalowany system i przekieruj ścieżki");
        break;
    case SystemFamily::Win31:
        return;
    }
    if (platform::directoryExists(drives, container.toStdString())) {
        platform::resetAttributes(drives, container.toStdString());
        ui::pumpMessages();
        katalog->setDirectory(container + '\\');
        return;
    }
    katalog->setDirectory(fallback);
    ui::dialogs().messageBox(help, QString::fromUtf8(kProfileCaption), ui::Buttons::Ok,
                             ui::Severity::Warning);
    Zapisz->setEnabled(false);
    closeDialog();
}

void TForm9::katalogClick() {
    takeClickedProfile(*katalog, *profil, *Zapisz);
}

bool TForm9::Jest_profil() const {
    return isRegistered(*user, profileName());
}

void TForm9::Dopisz_98() {
    appendProfileToList(main_.drives(), SystemFamily::Win9x, cleaner::ProfileLayout::NineX, "C",
                        profileName());
}

void TForm9::Dopisz_Xp() {
    appendProfileToList(main_.drives(), SystemFamily::WinXP, cleaner::ProfileLayout::NtXp,
                        ntDrive(), profileName());
}

void TForm9::Dopisz_NT() {
    appendProfileToList(main_.drives(), SystemFamily::WinNT, cleaner::ProfileLayout::NtXp,
                        ntDrive(), profileName());
}

void TForm9::Dopisz_profil() {
    cleaner::appendProfile(profileName());
}

void TForm9::ZapiszClick() {
    if (!profileNameAccepted(profileName(), Jest_profil(), false))
        return;
    if (main_.family() == SystemFamily::Win31) {
        closeDialog();
        return;
    }
    ui::pumpMessages();
    const bool saved = saveProfile(
        main_,
        [this] {
            switch (main_.family()) {
            case SystemFamily::Win9x:
                Dopisz_98();
                break;
            case SystemFamily::WinXP:
                Dopisz_Xp();
                break;
            default:
                Dopisz_NT();
                break;
            }
        },
        [this] { Dopisz_profil(); });
    if (!saved)
        return;
    ui::pumpMessages();
    closeDialog();
}

void TForm9::AnulujClick() {
    profil->clear();
    user->clear();
    Zapisz->setEnabled(false);
    closeDialog();
}

void TForm9::inny_soClick() {
    if (otherSystem_)
        otherSystem_->exec();
}

void TForm9::done(int result) {
    profil->clear();
    QDialog::done(result);
}
