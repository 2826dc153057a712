#include "cleaner/junk/file_properties.h"

#include "cleaner/junk/file_details.h"
#include "cleaner/junk/junk_list_model.h"
#include "cleaner/shell/main_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

Twlasciwosci_forma::Twlasciwosci_forma(TForm1& form1, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), form1_(form1) {
    setWindowTitle(QStringLiteral("Właściwości pliku"));
    setFixedSize(521, 147);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    auto* title = new QLabel(QStringLiteral("Właściwości pliku"), this);
    title->setAutoFillBackground(true);
    title->setStyleSheet(QStringLiteral("background: navy; color: white; font-weight: bold; "
                                        "padding: 3px;"));
    // Clicks on the title drag the window like any other point of the client area.
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(title);

    auto* rows = new QGridLayout;
    rows->setContentsMargins(8, 0, 8, 0);
    lbl_nazwa = new QLabel(this);
    lbl_lokalizacja = new QLineEdit(this);
    lbl_lokalizacja->setReadOnly(true);
    lbl_lokalizacja->setFrame(false);
    lbl_lokalizacja->setStyleSheet(QStringLiteral("background: transparent;"));
    lbl_rozmiar = new QLabel(this);
    lbl_dos = new QLabel(this);
    lbl_otwarty = new QLabel(this);
    const char* captions[] = {
        "Nazwa pliku:", "Lokalizacja:", "Rozmiar:", "Nazwa DOS:", "Ostatnio otwarty:"};
    QWidget* values[] = {lbl_nazwa, lbl_lokalizacja, lbl_rozmiar, lbl_dos, lbl_otwarty};
    for (int i = 0; i < 5; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(captions[i]), this);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        rows->addWidget(caption, i, 0);
        rows->addWidget(values[i], i, 1);
    }
    rows->setColumnStretch(1, 1);
    layout->addLayout(rows);

    OK = new QPushButton(QStringLiteral("OK"), this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(OK);
    buttonRow->setContentsMargins(8, 0, 8, 0);
    layout->addLayout(buttonRow);
    connect(OK, &QPushButton::clicked, this, &Twlasciwosci_forma::OKClick);
}

QString Twlasciwosci_forma::missingFileText() {
    return QStringLiteral("Plik nie istnieje");
}

void Twlasciwosci_forma::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void Twlasciwosci_forma::FormActivate() {
    const int row = form1_.selectedJunkRow();
    if (row < 0)
        return;
    const auto& junk = form1_.junkList().row(static_cast<std::size_t>(row));
    lbl_lokalizacja->setText(QString::fromStdString(junk.directory));
    lbl_nazwa->setText(QString::fromStdString(junk.name));
    const auto details = cleaner::readFileDetails(form1_.drives(), junk.directory, junk.name);
    if (!details) {
        // Nothing is left to describe: say so instead of showing stale or made-up values.
        lbl_rozmiar->setText(missingFileText());
        lbl_dos->clear();
        lbl_otwarty->clear();
        return;
    }
    lbl_rozmiar->setText(QString::fromStdString(cleaner::sizeInThreeUnits(details->size)));
    lbl_dos->setText(QString::fromStdString(details->dosName));
    lbl_otwarty->setText(QString::fromStdString(details->date));
}

void Twlasciwosci_forma::OKClick() {
    accept();
}

void Twlasciwosci_forma::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void Twlasciwosci_forma::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - dragOffset_);
    QDialog::mouseMoveEvent(event);
}
