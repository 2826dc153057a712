#include "cleaner/disk_scanner/mask_zoom_window.h"

#include "cleaner/disk_scanner/mask_sets.h"
#include "cleaner/disk_scanner/scanner_window.h"
#include "ui/application.h"
#include "ui/dialogs.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>

TForm14::TForm14(TForm7& scanner, QWidget* parent) : QDialog(parent), scanner_(scanner) {
    setWindowTitle(QString::fromUtf8("Maski powiększenie..."));
    resize(420, 520);
    auto* layout = new QVBoxLayout(this);

    auto* panel = new QHBoxLayout;
    Dodaj = new QPushButton(QString::fromUtf8("Dodaj nową maskę"), this);
    Usun = new QPushButton(QString::fromUtf8("Usuń zaznaczoną maskę"), this);
    Zamknij = new QPushButton(QStringLiteral("ZAMKNIJ"), this);
    for (QPushButton* button : {Dodaj, Usun, Zamknij}) {
        button->setFlat(true);
        button->setAutoDefault(false);
        panel->addWidget(button);
    }
    Usun->setEnabled(false);
    panel->addStretch(1);
    layout->addLayout(panel);
    layout->addWidget(new QLabel(QString::fromUtf8("UWAGA: Przy zakładaniu nowego rozszerzenia nie "
                                                   "używaj znaków wieloznacznych"),
                                 this));
    layout->addWidget(
        new QLabel(QString::fromUtf8("typu (*), (?) itp. Tylko pełne rozszerzenia np. (tmp), "
                                     "(txt) itp."),
                   this));

    ListBox1 = new QListWidget(this);
    QFont font = ListBox1->font();
    font.setPixelSize(16);
    ListBox1->setFont(font);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setStyleSheet(QStringLiteral("QListWidget::item { height: 20px; }"));
    layout->addWidget(ListBox1, 1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(StatusBar1);
    StatusBar1->addWidget(statusPanel_, 1);
    layout->addWidget(StatusBar1);

    connect(ListBox1, &QListWidget::clicked, this, &TForm14::ListBox1Click);
    connect(Dodaj, &QPushButton::clicked, this, &TForm14::DodajClick);
    connect(Usun, &QPushButton::clicked, this, &TForm14::UsunClick);
    connect(Zamknij, &QPushButton::clicked, this, &TForm14::ZamknijClick);
}

void TForm14::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

QString TForm14::statusPanel() const {
    return statusPanel_->text();
}

void TForm14::showCount() {
    statusPanel_->setText(QStringLiteral("Zapisanych masek: ") +
                          QString::number(ListBox1->count()));
}

void TForm14::FormActivate() {
    ListBox1->clear();
    for (int i = 0; i < scanner_.lista_maska->count(); ++i)
        ListBox1->addItem(scanner_.lista_maska->item(i)->text());
    showCount();
    if (scanner_.szukaj_wszystkie->isChecked()) {
        ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    } else {
        ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
        if (ListBox1->count() > 0)
            ListBox1->item(0)->setSelected(true);
    }
}

void TForm14::ListBox1Click() {
    const int current = ListBox1->currentRow();
    Usun->setEnabled(current >= 0);
    // The selection made here is the one the scan uses.
    if (!scanner_.szukaj_wszystkie->isChecked() && current >= 0 &&
        current < scanner_.lista_maska->count())
        scanner_.lista_maska->item(current)->setSelected(ListBox1->item(current)->isSelected());
}

void TForm14::DodajClick() {
    const auto typed = ui::dialogs().inputBox(
        QString::fromUtf8("Dodawanie nowej maski..."),
        QString::fromUtf8("Wpisz trzy literowe rozszerzenie pliku, np. doc."), QString());
    const auto mask = cleaner::maskFromInput(typed.value_or(QString()).toStdString());
    if (!mask)
        return;
    const QString entry = QString::fromStdString(*mask);
    ListBox1->addItem(entry);
    scanner_.lista_maska->addItem(entry);
    scanner_.saveActiveMasks();
    showCount();
}

void TForm14::UsunClick() {
    const ui::Answer answer = ui::dialogs().messageBox(
        QString::fromUtf8("UWAGA: Czy napewno chcesz usunąć zaznaczoną maskę?"),
        ui::applicationTitle(), ui::Buttons::YesNo, ui::Severity::Warning);
    if (answer == ui::Answer::Yes) {
        const int current = ListBox1->currentRow();
        if (current >= 0) {
            delete ListBox1->takeItem(current);
            if (current < scanner_.lista_maska->count())
                delete scanner_.lista_maska->takeItem(current);
        }
    }
    scanner_.saveActiveMasks();
    showCount();
}

void TForm14::ZamknijClick() {
    ListBox1->clear();
    close();
}
