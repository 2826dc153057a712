#include "cleaner/shell/please_wait.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
    setFixedSize(342, 82);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    auto* caption = new QLabel(
        QStringLiteral("Odczytywanie listy katalogów i ustawień zalogowanego użytkownika"), panel);
    auto* brand = new QLabel(QStringLiteral("BRUDEX"), panel);
    brand->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    auto* program = new QLabel(QStringLiteral("[Zelvik]"), panel);
    program->setStyleSheet(QStringLiteral("color: teal;"));
    auto* wait = new QLabel(QStringLiteral("Proszę czekać..."), panel);
    wait->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* names = new QHBoxLayout;
    names->addWidget(brand);
    names->addWidget(program);
    names->addStretch();
    names->addWidget(wait);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(caption);
    layout->addLayout(names);
}

void TForm3::showNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
}
