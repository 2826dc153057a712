#include "cleaner/junk/report_window.h"

#include "cleaner/junk/junk_search.h"
#include "cleaner/shell/main_window.h"
#include "ui/message_pump.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TRaport::TRaport(TForm1& form1, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), form1_(form1) {
    setWindowTitle(QStringLiteral("Raport..."));
    setFixedSize(423, 163);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, look.color(QPalette::ToolTipBase));
    look.setColor(QPalette::WindowText, look.color(QPalette::ToolTipText));
    setPalette(look);

    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Raport usuwania śmieci..."), this);
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = Label1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    Label1->setFont(title);
    Label1->setStyleSheet(QStringLiteral("color: navy;"));
    layout->addWidget(Label1);

    lbl_katalogow = new QLabel(QStringLiteral("Przeszukano zapisanych źródeł:"), this);
    lbl_rozmiar = new QLabel(QStringLiteral("Rozmiar wszystkich śmieci:"), this);
    lbl_plikow = new QLabel(QStringLiteral("W sumie znaleziono śmieci:"), this);
    lbl_nie_usunieto = new QLabel(QStringLiteral("Nie udało się usunąć:"), this);
    for (QLabel* label : {lbl_katalogow, lbl_rozmiar, lbl_plikow, lbl_nie_usunieto})
        layout->addWidget(label);

    auto* buttons = new QHBoxLayout;
    OK = new QPushButton(QStringLiteral("ZAMKNIJ"), this);
    QFont bold = OK->font();
    bold.setBold(true);
    OK->setFont(bold);
    skanuj_jeszcze = new QPushButton(QStringLiteral("Powtórz operację skanowania"), this);
    buttons->addWidget(OK);
    buttons->addStretch();
    buttons->addWidget(skanuj_jeszcze);
    layout->addLayout(buttons);
    connect(OK, &QPushButton::clicked, this, &TRaport::OKClick);
    connect(skanuj_jeszcze, &QPushButton::clicked, this, &TRaport::skanuj_jeszczeClick);
}

void TRaport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

bool TRaport::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TRaport::FormActivate() {
    const int failures = form1_.ListView2->topLevelItemCount();
    const qint64 kilobytes = form1_.search().totalKilobytes();
    lbl_katalogow->setText(QStringLiteral("Przeszukano zapisanych źródeł: ") +
                           QString::number(form1_.lista->count()));
    lbl_rozmiar->setText(QStringLiteral("Rozmiar wszystkich śmieci: %1 KB/%2 MB")
                             .arg(kilobytes)
                             .arg(kilobytes / 1024));
    if (failures == 0) {
        lbl_nie_usunieto->setText(
            QStringLiteral("Nie udało się usunąć: WSZYSTKIE ŚMIECI USUNIĘTO"));
        skanuj_jeszcze->setEnabled(false);
    } else {
        lbl_nie_usunieto->setText(QStringLiteral("Nie udało się usunąć: ") +
                                  QString::number(failures) + QStringLiteral(" plików śmieci"));
        skanuj_jeszcze->setEnabled(true);
    }
}

void TRaport::OKClick() {
    form1_.Pokaz_XP();
    close();
}

void TRaport::skanuj_jeszczeClick() {
    form1_.Ukryj_XP();
    hide();
    ui::pumpMessages();
    form1_.Skaner_smieci();
    close();
}
