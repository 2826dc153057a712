#include "cleaner/modes/admin_dialog.h"

#include "cleaner/modes/mode_logic.h"
#include "common/clock.h"
#include "common/mode_settings.h"
#include "ui/message_pump.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr const char* kCaption = "Tryby pracy aplikacji...";
}

TAdmin::TAdmin(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kCaption));
    // Left through "Zastosuj" or "Anuluj" only: no system menu, no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    komunikat = new QLabel(QStringLiteral("Wartość ustawiona:"), this);
    komunikat->setAutoFillBackground(true);
    komunikat->setStyleSheet(QStringLiteral("background: white; padding: 4px;"));
    komunikat->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(komunikat);

    // One group box, so the five radio buttons form one radio group.
    auto* modes = new QGroupBox(QStringLiteral("Tryby pracy"), this);
    auto* modesLayout = new QVBoxLayout(modes);
    reczna = new QRadioButton(QStringLiteral("Praca ręczna na żądanie użytkownika"), modes);
    Automat = new QRadioButton(QStringLiteral("Praca automatyczna"), modes);
    auto_run = new QRadioButton(
        QStringLiteral("Uruchamiaj BRUDEX zawsze przy starcie Systemu (Zasobnik systemowy)"),
        modes);
    ile_dni = new QRadioButton(
        QStringLiteral("Oczyszczanie miesięczne: Przypominaj mi o oczyszczaniu dysku co miesiąc"),
        modes);
    miesiac = new QRadioButton(QStringLiteral("Pozwól mi samemu wybrać miesiąc od którego zacząć:"),
                               modes);
    cmb_ile = new QComboBox(modes);
    for (const char* name : cleaner::kMonthNames)
        cmb_ile->addItem(QString::fromUtf8(name));
    cmb_ile->setMaxVisibleItems(12);
    cmb_ile->setCurrentIndex(-1);
    cmb_ile->setEnabled(false);
    reczna->setChecked(true);
    for (QRadioButton* nested : {auto_run, ile_dni, miesiac})
        nested->setEnabled(false);
    modesLayout->addWidget(reczna);
    modesLayout->addWidget(Automat);
    for (QRadioButton* nested : {auto_run, ile_dni, miesiac}) {
        auto* row = new QHBoxLayout;
        row->addSpacing(20);
        row->addWidget(nested);
        row->addStretch();
        modesLayout->addLayout(row);
    }
    auto* monthRow = new QHBoxLayout;
    monthRow->addSpacing(40);
    monthRow->addWidget(cmb_ile);
    monthRow->addStretch();
    modesLayout->addLayout(monthRow);
    layout->addWidget(modes);

    auto* automatic = new QGroupBox(QStringLiteral("Automatyczne oczyszczanie"), this);
    auto* automaticLayout = new QVBoxLayout(automatic);
    szybko_usun = new QCheckBox(QStringLiteral("Włącz moduł automatycznego oczyszczania komputera"),
                                automatic);
    automaticLayout->addWidget(szybko_usun);
    szybkie_smietnik = new QCheckBox(QStringLiteral("Przeszukaj i oczyść śmietnik"), automatic);
    szybkie_historia2 =
        new QCheckBox(QStringLiteral("Przeszukaj i oczyść kosz Windows"), automatic);
    szybkie_programy =
        new QCheckBox(QStringLiteral("Przeszukaj i oczyść ostatnio używane programy"), automatic);
    szybkie_zamknij = new QCheckBox(QStringLiteral("Po zakończeniu... Zamknij program"), automatic);
    for (QCheckBox* option :
         {szybkie_smietnik, szybkie_historia2, szybkie_programy, szybkie_zamknij}) {
        option->setChecked(true);
        option->setEnabled(false);
        auto* row = new QHBoxLayout;
        row->addSpacing(20);
        row->addWidget(option);
        row->addStretch();
        automaticLayout->addLayout(row);
    }
    auto* passesRow = new QHBoxLayout;
    passesRow->addSpacing(20);
    Label1 = new QLabel(QStringLiteral("Jeżeli zostaną śmiecie ponów próbę skanowania razy:"),
                        automatic);
    edit_licznik = new QSpinBox(automatic);
    edit_licznik->setRange(1, 10);
    edit_licznik->setValue(2);
    edit_licznik->setEnabled(false);
    passesRow->addWidget(Label1);
    passesRow->addWidget(edit_licznik);
    passesRow->addStretch();
    automaticLayout->addLayout(passesRow);
    layout->addWidget(automatic);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Zastosuj = new QPushButton(QStringLiteral("Zastosuj"), this);
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    buttons->addWidget(Zastosuj);
    buttons->addWidget(Anuluj);
    layout->addLayout(buttons);

    // Checking a radio button, by the user or from code, runs its handler.
    const auto onChecked = [this](QRadioButton* button, void (TAdmin::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    onChecked(reczna, &TAdmin::recznaClick);
    onChecked(Automat, &TAdmin::AutomatClick);
    onChecked(auto_run, &TAdmin::auto_runClick);
    onChecked(ile_dni, &TAdmin::ile_dniClick);
    onChecked(miesiac, &TAdmin::miesiacClick);
    connect(szybko_usun, &QCheckBox::toggled, this, &TAdmin::szybko_usunClick);
    connect(Zastosuj, &QPushButton::clicked, this, &TAdmin::ZastosujClick);
    connect(Anuluj, &QPushButton::clicked, this, &TAdmin::AnulujClick);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAdmin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TAdmin::FormActivate() {
    komunikat->setText(QString::fromStdString(cleaner::modeStatusText(common::Tryb_pracy())));
}

void TAdmin::recznaClick() {
    auto_run->setEnabled(false);
    auto_run->setChecked(false);
    ile_dni->setEnabled(false);
    miesiac->setEnabled(false);
    cmb_ile->setEnabled(false);
    cmb_ile->setCurrentIndex(-1);
    szybko_usun->setEnabled(true);
}

void TAdmin::AutomatClick() {
    auto_run->setEnabled(true);
    auto_run->setChecked(true);
    ile_dni->setEnabled(true);
    miesiac->setEnabled(true);
}

void TAdmin::auto_runClick() {
    cmb_ile->setEnabled(false);
    cmb_ile->setCurrentIndex(-1);
}

void TAdmin::ile_dniClick() {
    cmb_ile->setEnabled(false);
    cmb_ile->setCurrentIndex(-1);
}

void TAdmin::miesiacClick() {
    cmb_ile->setEnabled(true);
    cmb_ile->setCurrentIndex(0);
}

void TAdmin::szybko_usunClick() {
    const bool on = szybko_usun->isChecked();
    for (QWidget* option : std::initializer_list<QWidget*>{
             szybkie_smietnik, szybkie_historia2, szybkie_programy, szybkie_zamknij, edit_licznik})
        option->setEnabled(on);
}

void TAdmin::ZastosujClick() {
    if (miesiac->isChecked())
        Zapisz_od_miesiac();
    else
        Rejestr_zapisz();
    Szybkie_usuwanie();
    accept();
}

void TAdmin::AnulujClick() {
    reject();
}

void TAdmin::Zapisz_od_miesiac() {
    common::writeRunEntryIfAbsent();
    const int index = cmb_ile->currentIndex();
    if (index < 0)
        common::writeEmptyReminderMonth();
    else
        common::writeReminderMonth(index + 1);
}

void TAdmin::Rejestr_zapisz() {
    if (ile_dni->isChecked()) {
        zapisz_miesiace();
        common::writeRunEntryIfAbsent();
    } else if (auto_run->isChecked()) {
        common::writeRunEntryIfAbsent();
        common::deleteReminderMonth();
    } else if (reczna->isChecked()) {
        common::deleteRunEntry();
        common::deleteReminderMonth();
    }
    ui::pumpMessages();
}

void TAdmin::zapisz_miesiace() {
    common::writeReminderMonth(cleaner::nextMonth(common::now()));
}

void TAdmin::Szybkie_usuwanie() {
    if (szybko_usun->isEnabled() && szybko_usun->isChecked())
        common::writeFastOptions({szybkie_smietnik->isChecked(), szybkie_historia2->isChecked(),
                                  szybkie_programy->isChecked(), szybkie_zamknij->isChecked(),
                                  edit_licznik->value()});
    else
        common::deleteFastOptions();
}
