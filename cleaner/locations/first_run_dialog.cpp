#include "cleaner/locations/first_run_dialog.h"

#include "cleaner/locations/first_run.h"
#include "cleaner/shell/main_window.h"
#include "ui/application.h"
#include "ui/message_pump.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr const char* kCaption = "Sprawdzenie i ustawienie konfiguracji...";
constexpr const char* kWaiting = "Proszę czekać . . .";
constexpr const char* kSaved = "Twój profil użytkownika został zapisany...";
constexpr const char* kNotSaved = "Nie udało się zapisać Twojego profilu użytkownika...";
} // namespace

TKonfig::TKonfig(TForm1* form, QDialog* admin, QWidget* parent)
    : QDialog(parent), form_(form), admin_(admin) {
    setWindowTitle(QString::fromUtf8(kCaption));
    // Fixed border, minimize and maximize boxes but no close box, always on top.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowStaysOnTopHint);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Ponieważ jest to pierwsze uruchomienie programu "
                                            "[Zelvik] BRUDEX lub profil został usunięty"),
                             this);
    auto* search = new QLabel(
        QStringLiteral("Spróbuję odszukać i skonfigurować ścieżki i Twój profil użytkownika..."),
        this);
    layout->addWidget(intro);
    layout->addWidget(search);
    status = new QLabel(QString::fromUtf8(kWaiting), this);
    status->setAlignment(Qt::AlignCenter);
    status->setAutoFillBackground(true);
    status->setStyleSheet(
        QStringLiteral("background: white; color: navy; font-weight: bold; padding: 6px;"));
    status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(status);
    question = new QLabel(QStringLiteral("Czy chcesz skonfigurować BRUDEX do własnych potrzeb "
                                         "(praca ręczna, automatyczna itp.)?"),
                          this);
    question->hide();
    layout->addWidget(question);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    tak = new QPushButton(QStringLiteral("TAK"), this);
    zamknij2 = new QPushButton(QStringLiteral("Nie po prostu ZAMKNIJ"), this);
    for (QPushButton* button : {tak, zamknij2}) {
        button->setEnabled(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(tak, &QPushButton::clicked, this, &TKonfig::takClick);
    connect(zamknij2, &QPushButton::clicked, this, &TKonfig::zamknij2Click);
}

void TKonfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // After the dialog has been painted with its waiting text.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            FormActivate();
    });
}

void TKonfig::FormActivate() {
    drive_.clear();
    status->setText(QString::fromUtf8(kWaiting));
    drive_ = QString::fromStdString(cleaner::desktopDriveLetter(form_->drives()));
    writeFailed_ = false;
    Zapisz_konf();
    ui::pumpMessages();
    if (pause_.count() > 0) {
        QEventLoop wait;
        QTimer::singleShot(pause_, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // The stopped cases (unsupported system, no user) told the user why in their own message.
    status->setText(QString::fromUtf8(writeFailed_ ? kNotSaved : kSaved));
    zamknij2->setEnabled(true);
    tak->setEnabled(true);
    question->show();
}

bool TKonfig::Zapisz_konf() {
    try {
        const auto outcome = form_->writeDefaultProfile(drive_.toStdString());
        if (outcome == cleaner::ProfileOutcome::UnsupportedSystem ||
            outcome == cleaner::ProfileOutcome::NoUser)
            return false;
    } catch (const std::exception& error) {
        writeFailed_ = true;
        ui::showError(error);
        return false;
    }
    ui::pumpMessages();
    form_->pages->setCurrentIndex(TForm1::czysc);
    return true;
}

void TKonfig::takClick() {
    admin_->exec();
    close();
}

void TKonfig::zamknij2Click() {
    close();
}
