// The location editor of the settings page: the two parallel lists, adding a location through
// the folder chooser, deleting one or all, opening a directory, and the profile dialogs.
#include "cleaner/locations/folder_chooser.h"
#include "cleaner/locations/location_editor.h"
#include "cleaner/locations/new_profile_dialog.h"
#include "cleaner/locations/other_system_profile_dialog.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "platform/shell.h"
#include "ui/application.h"
#include "ui/busy_pointer.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

void TForm1::buildLocationEditor(QWidget* page) {
    auto* row = new QHBoxLayout;
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Zapisane katalogi..."), page), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Usuwaj (maska)"), page), 0, 1);
    lista = new QListWidget(page);
    lista2 = new QListWidget(page);
    lists->addWidget(lista, 1, 0);
    lists->addWidget(lista2, 1, 1);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 1);
    row->addLayout(lists, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Wybrany katalog..."), page));
    katalog = new QLineEdit(page);
    katalog->setReadOnly(true);
    side->addWidget(katalog);
    Dodaj = new QPushButton(QStringLiteral("Dodaj nowy... "), page);
    side->addWidget(Dodaj);
    side->addWidget(new QLabel(QStringLiteral("Maska"), page));
    wybrany_maska = new QLineEdit(QStringLiteral("*.*"), page);
    side->addWidget(wybrany_maska);
    maska = new QComboBox(page);
    for (const std::string& mask : cleaner::readyMadeMasks())
        maska->addItem(QString::fromStdString(mask));
    maska->setMaxVisibleItems(20);
    maska->setCurrentIndex(-1);
    side->addWidget(maska);
    Zastosuj = new QPushButton(QStringLiteral("Zastosuj"), page);
    Zastosuj->setEnabled(false);
    side->addWidget(Zastosuj);
    side->addStretch();
    row->addLayout(side);
    static_cast<QBoxLayout*>(page->layout())->addLayout(row, 1);

    connect(Dodaj, &QPushButton::clicked, this, &TForm1::DodajClick);
    connect(katalog, &QLineEdit::textChanged, this, &TForm1::katalogChange);
    // Only a choice of the user copies the mask; setting the box from code does not.
    connect(maska, &QComboBox::activated, this, &TForm1::maskaChange);
    connect(Zastosuj, &QPushButton::clicked, this, &TForm1::ZastosujClick);
    connect(lista, &QListWidget::itemSelectionChanged, this, &TForm1::listaClick);
    connect(lista2, &QListWidget::itemSelectionChanged, this, &TForm1::lista2Click);

    listaMenu = new QMenu(this);
    usun_zaznaczony = listaMenu->addAction(QStringLiteral("Usuń zaznaczony wpis"));
    usun_zaznaczony->setEnabled(false);
    usun_wszystkie = listaMenu->addAction(QStringLiteral("Usuń wszystkie wpisy (Profile)"));
    listaMenu->addSeparator();
    Dodajnowy1 = listaMenu->addAction(QStringLiteral("Dodaj nowy katalog..."));
    listaMenu->addSeparator();
    profil_menu = listaMenu->addAction(QStringLiteral("Dodaj nowy profil użytkownika"));
    profil_inny =
        listaMenu->addAction(QStringLiteral("Dodaj nowy profil innego systemu operacyjnego"));
    listaMenu->addSeparator();
    pop_profil = listaMenu->addAction(QStringLiteral("Otwórz zaznaczony katalog"));
    connect(usun_zaznaczony, &QAction::triggered, this, &TForm1::usun_zaznaczonyClick);
    connect(usun_wszystkie, &QAction::triggered, this, &TForm1::usun_wszystkieClick);
    connect(Dodajnowy1, &QAction::triggered, this, &TForm1::DodajClick);
    connect(profil_menu, &QAction::triggered, this, &TForm1::profil_menuClick);
    connect(profil_inny, &QAction::triggered, this, &TForm1::profil_innyClick);
    connect(pop_profil, &QAction::triggered, this, &TForm1::pop_profilClick);
    lista->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lista, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { listaMenu->popup(lista->viewport()->mapToGlobal(at)); });
}

void TForm1::DodajClick() {
    // A new chooser for each use: nothing of an earlier pick carries over.
    TFormy chooser(drives_, this);
    chooser.Edit1->setText(QStringLiteral("1"));
    if (chooser.exec() == QDialog::Accepted)
        katalog->setText(chooser.chosenPath());
}

void TForm1::katalogChange() {
    if (!katalog->text().isEmpty())
        Zastosuj->setEnabled(true);
}

void TForm1::maskaChange() {
    wybrany_maska->setText(maska->currentText());
}

void TForm1::ZastosujClick() {
    if (katalog->text().isEmpty()) {
        ui::dialogs().messageBox(
            QStringLiteral("Nie wybrano żadnego katalogu na dysku.\nWybierz katalog który "
                           "istnieje\nPamietaj też że: Nie można czyścić całego dysku, tylko "
                           "katalogi"),
            QStringLiteral("Brudex"), ui::Buttons::Ok, ui::Severity::Warning);
        return;
    }
    if (maska->currentIndex() < 0)
        maska->setCurrentIndex(0); // "*.*"
    if (family_ != cleaner::SystemFamily::Win31) {
        const cleaner::Location location{cleaner::locationDirectory(katalog->text().toStdString()),
                                         wybrany_maska->text().toStdString()};
        // The list on screen and the list file stay alike: what the file cannot hold is not
        // added at all.
        if (const auto problem = cleaner::unstorableLocation(location)) {
            ui::dialogs().messageBox(QString::fromStdString(*problem), QStringLiteral("Brudex"),
                                     ui::Buttons::Ok, ui::Severity::Warning);
            return;
        }
        lista->addItem(QString::fromStdString(location.directory));
        lista2->addItem(QString::fromStdString(location.mask));
        saveFamilyList();
    }
    Zastosuj->setEnabled(false);
}

void TForm1::listaClick() {
    const auto selected = lista->selectedItems();
    if (selected.isEmpty()) {
        usun_zaznaczony->setEnabled(false);
        return;
    }
    usun_zaznaczony->setEnabled(true);
    lista2->setCurrentRow(lista->row(selected.front()));
}

void TForm1::lista2Click() {
    const auto selected = lista2->selectedItems();
    if (selected.isEmpty()) {
        usun_zaznaczony->setEnabled(false);
        return;
    }
    usun_zaznaczony->setEnabled(true);
    lista->setCurrentRow(lista2->row(selected.front()));
}

void TForm1::usun_zaznaczonyClick() {
    const auto selected = lista->selectedItems();
    if (!selected.isEmpty()) {
        const int row = lista->row(selected.front());
        // Both rows go together, and nothing is selected afterwards.
        const QSignalBlocker blockDirectories(lista);
        const QSignalBlocker blockMasks(lista2);
        delete lista->takeItem(row);
        delete lista2->takeItem(row);
        lista->setCurrentRow(-1);
        lista2->setCurrentRow(-1);
        lista->clearSelection();
        lista2->clearSelection();
    }
    saveFamilyList();
}

void TForm1::usun_wszystkieClick() {
    const auto answer = ui::dialogs().messageBox(
        QStringLiteral("UWAGA: Czy napewno chcesz usunąć wszystkie miejsca magazynowania śmieci, "
                       "włącznie z wszystkimi zapisanymi profilami?"),
        ui::applicationTitle(), ui::Buttons::YesNo, ui::Severity::Warning);
    if (answer != ui::Answer::Yes)
        return;
    try {
        cleaner::forgetAllLocations(family_);
    } catch (const std::exception& error) {
        // Nothing is ended on a half-done removal: the user sees why and the list stays.
        ui::showError(error);
        return;
    }
    lista->clear();
    lista2->clear();
    // The next start finds no prof.dat and runs the first-run configuration.
    QApplication::exit(0);
}

void TForm1::profil_menuClick() {
    if (windows_)
        windows_->Form9->exec();
}

void TForm1::dodaj_profilClick() {
    profil_menuClick();
}

void TForm1::profil_innyClick() {
    if (windows_)
        windows_->Form13->exec();
}

void TForm1::pop_profilClick() {
    const auto selected = lista->selectedItems();
    if (selected.isEmpty()) {
        ui::dialogs().showMessage(QStringLiteral("Nie zaznaczono żadnego katalogu do otwarcia"));
        return;
    }
    ui::BusyPointer busy;
    platform::shellOpen(drives_, selected.front()->text().toStdString());
}
