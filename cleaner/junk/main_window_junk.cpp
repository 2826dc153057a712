// The main window's junk search: the driver over the location list, the walk of one location
// and the search clock.
#include "cleaner/junk/junk_list_model.h"
#include "cleaner/shell/main_window.h"
#include "common/install_dir.h"
#include "ui/application.h"
#include "ui/message_pump.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTreeWidget>

// Binds the walk to the window: rows and the "Skanowanie:" text are collected and shown at
// display rate by flushWalkDisplay(); the stop flag and the index.dat option are read live.
class TForm1::WalkSink : public cleaner::JunkSearchSink {
public:
    explicit WalkSink(TForm1& window) : window_(window) {}
    void pump() override { ui::pumpMessages(); }
    bool stopRequested() override { return window_.stopFlag_; }
    bool ignoreIndexDat() override { return window_.indeks->isChecked(); }
    void record(const cleaner::JunkRow& row) override { window_.junkModel_->append(row); }
    void scanning(const std::string& text) override {
        window_.pendingPanel3_.assign(text);
        window_.panel3Pending_ = true;
    }

private:
    TForm1& window_;
};

void TForm1::flushWalkDisplay() {
    junkModel_->flush();
    if (panel3Pending_) {
        Panel3->setText(QString::fromStdString(pendingPanel3_));
        panel3Pending_ = false;
    }
}

void TForm1::setLabel1(const QString& text) {
    Label1->setText(text);
    Label1->repaint();
}

void TForm1::setPanel3(const QString& text) {
    panel3Pending_ = false;
    Panel3->setText(text);
    Panel3->repaint();
}

void TForm1::Skaner_smieci() {
    ui::pumpMessages();
    Ukryj_XP();
    SpeedButton1->setEnabled(true);

    clock_ = {};
    czas2->setText(QStringLiteral("00:00:00"));
    Timer1->start();
    Zamknij1->setEnabled(false);
    tray_zamknij->setEnabled(false);

    Ikona1->setToolTip(QStringLiteral("[Zelvik] BRUDEX [Skanowanie...]"));
    setTrayPicture("Cloud2.ico");
    Ikona1->setToolTip(QStringLiteral("[Zelvik] BRUDEX [Skanowanie...]"));
    ui::setApplicationTitle(QStringLiteral("Brudex: [Skanowanie]"));
    setWindowTitle(windowTitle() + QStringLiteral("  [Skanowanie...]"));
    ui::pumpMessages();

    stopFlag_ = false;
    Wyszukaj1->setEnabled(false);
    setStatusPanel(1, QStringLiteral("Wyszukiwanie śmieci..."));
    pages->setCurrentIndex(czysc);

    junkModel_->clear();
    ListView2->clear();
    search_.reset();

    const auto all = locations();
    const int n = lista->count();
    pasek->setMaximum(n);
    setLabel1(QStringLiteral("Skanowanie katalogów. Proszę czekać..."));

    WalkSink sink(*this);
    displayTimer_.start();
    for (int i = 0; i < n; ++i) {
        if (stopFlag_) {
            displayTimer_.stop();
            flushWalkDisplay();
            return;
        }
        setPaneProgress(i);
        pasek->setValue(i);
        const auto& location = all[static_cast<std::size_t>(i)];
        search_.fileSearch(location.directory, location.mask, CheckBox1->isChecked(), sink);
        ui::pumpMessages();
    }
    displayTimer_.stop();
    flushWalkDisplay();

    const auto rows = junkModel_->size();
    const QString count = QString::number(rows);
    if (rows > 0) {
        Usun1->setEnabled(true);
        Wyszukaj1->setEnabled(true);
        pages->setCurrentIndex(podglad2);
        setLabel1(QStringLiteral("Skanowanie katalogów zakończone!"));
        setPaneCaption(0, 1, QStringLiteral("Oczyść śmietnik"));
    } else {
        setLabel1(QStringLiteral("Skanowanie katalogów zakończone! BRAK ŚMIECI"));
    }
    setReportFilesText(rows > 0 ? QStringLiteral("W sumie znaleziono śmieci: ") + count
                                : QStringLiteral("W sumie znaleziono śmieci: NIE ZNALEZIONO"));
    Wyszukaj1->setEnabled(true);
    setPaneProgress(0);
    pasek->setValue(0);
    const qint64 kilobytes = search_.totalKilobytes();
    setStatusPanel(1, QStringLiteral("Znaleziono śmieci: ") + count);
    setStatusPanel(2, QStringLiteral("Rozmiar: %1 KB/%2 MB").arg(kilobytes).arg(kilobytes / 1024));
    setPanel3(QStringLiteral("Skanowanie zakończone"));
    ui::pumpMessages();
    Timer1->stop();
    Zamknij1->setEnabled(true);
    tray_zamknij->setEnabled(true);
    setWindowTitle(QStringLiteral("[Zelvik] BRUDEX 2.6"));
    ui::setApplicationTitle(QStringLiteral("Brudex 2.6"));
    ui::pumpMessages();
    Ikona1->setToolTip(QStringLiteral("[Zelvik] BRUDEX [Znaleziono: ") + count +
                       QStringLiteral(" śmieci]"));
    setTrayPicture("Cloud.ico");
    setPaneCaption(0, 0, QStringLiteral("Szukaj śmieci"));
    ui::pumpMessages();
    setPaneCaption(3, 0, QStringLiteral("ZAMKNIJ"));
    ui::pumpMessages();
    setPaneCaption(1, 0, QString());
}

void TForm1::FileSearch(const std::string& directory, const std::string& mask, bool recurse) {
    WalkSink sink(*this);
    search_.fileSearch(directory, mask, recurse, sink);
}

void TForm1::Timer1Timer() {
    clock_.tick();
    czas2->setText(QString::fromStdString(clock_.text()));
    czas2->repaint();
}

void TForm1::setTrayPicture(const char* iconFile) {
    if (common::dataFileExists(iconFile))
        Ikona1->setIcon(QIcon(QString::fromStdString(common::dataFile(iconFile).string())));
}
