// The main window's task pane, main menu, tray icon and the commands they dispatch.
#include "cleaner/junk/junk_list_model.h"
#include "cleaner/shell/main_window.h"
#include "common/install_dir.h"
#include "platform/shell.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/flat_menu.h"
#include "ui/icons.h"
#include "ui/message_pump.h"
#include "ui/task_pane.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>

namespace {

// Task pane groups, as other commands address them.
enum PaneGroup { kCleanGroup = 0, kStatusGroup = 1, kOptionsGroup = 2, kCloseGroup = 3 };

struct PaneItem {
    const char* caption;
    const char* hint;
    int icon;
    int tag;
};

const PaneItem kCleanItems[] = {
    {"Szukaj śmieci", "Wyszukuj potencjalne śmieci", 6, 0},
    {"Oczyść śmietnik", "Oczyszcza komputer z śmieci", 27, 1},
    {"Opróżnij kosz", "Opróżnia kosz Windows...", 11, 2},
    {"Usun Historię", "Usuwa historię przeglądarki internetowej", 13, 3},
};
const PaneItem kOptionItems[] = {
    {"Ustawienia", "Ustawienia programu", 3, 5},
    {"Skanuj dyski", "Skaner dysków", 15, 6},
    {"Filtruj katalogi", "Filtruj wybrane katalogi", 9, 8},
    {"Podgląd śmieci", "", 10, 9},
    {"Otwórz stronę", "Otwórz stronę WWW/Wyślij e-mail", 14, 7},
    {"W tle", "Pracuj w tle (ukryj)", 18, 11},
};

void addItems(ui::TaskPane& pane, int group, const PaneItem* items, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        pane.addItem(group, QString::fromUtf8(items[i].caption), QString::fromUtf8(items[i].hint),
                     items[i].icon, items[i].tag);
}

} // namespace

void TForm1::Styl_XP() {
    taskPane = new ui::TaskPane(centralWidget());
    taskPane->beginUpdate();
    taskPane->setIcons(&ui::icons16(), &ui::icons32());
    taskPane->setFixedWidth(170);
    static_cast<QBoxLayout*>(centralWidget()->layout())->insertWidget(0, taskPane);
    connect(taskPane, &ui::TaskPane::itemClicked, this, &TForm1::ItemClick);

    const int clean = taskPane->addGroup(QStringLiteral("Czyść..."), 0, true);
    addItems(*taskPane, clean, kCleanItems, std::size(kCleanItems));
    const int status = taskPane->addGroup(QStringLiteral("Status"));
    taskPane->addItem(status, QStringLiteral("Zatrzymaj"),
                      QStringLiteral("Zatrzymuje skanowanie komputera"), 19, 4);
    progressMaximum_ = lista->count();
    taskPane->addProgressItem(status, 0, progressMaximum_, 10, QColor(128, 0, 128));
    const int options = taskPane->addGroup(QStringLiteral("Opcje"));
    addItems(*taskPane, options, kOptionItems, std::size(kOptionItems));
    const int close = taskPane->addGroup(QStringLiteral("Zamknij"));
    taskPane->addItem(close, QStringLiteral("ZAMKNIJ"),
                      QStringLiteral("Zamknij program [Zelvik] BRUDEX"), 4, 10);
    taskPane->endUpdate();
    taskPane->show();
    setPaneCaption(kCleanGroup, 1, QString());
}

void TForm1::setPaneCaption(int group, int item, const QString& caption) {
    if (taskPane)
        taskPane->setItemCaption(group, item, caption);
}

void TForm1::setPaneProgress(int position) {
    if (taskPane)
        taskPane->setProgressPosition(kStatusGroup, 1, position);
}

void TForm1::ItemClick(int tag) {
    switch (tag) {
    case 0:
        Skaner_smieci();
        break;
    case 1:
        Usun_smietnik();
        break;
    case 2:
        kosz2Click();
        break;
    case 3:
        if (usr->text().isEmpty())
            ui::dialogs().showMessage(QStringLiteral("Nie możesz usuwać historii, ponieważ nie "
                                                     "masz skofigurowanego profilu użytkownika"));
        // With a user profile the browser history window opens here once it exists.
        break;
    case 4:
        SpeedButton1Click();
        break;
    case 5:
        pages->setCurrentIndex(ustawienia2);
        break;
    case 6:
        Skanujdyski1Click();
        break;
    case 8:
        FiltrujClick();
        break;
    case 9:
        pages->setCurrentIndex(podglad2);
        break;
    case 10:
        Zapisz_rozmiar();
        QApplication::exit(0);
        break;
    case 11:
        backgroundFlag_ = true;
        Ikona1->setVisible(true);
        Ikona1->setToolTip(Timer1->isActive() ? QStringLiteral("[Zelvik] BRUDEX [Skanowanie...]")
                                              : QStringLiteral("[Zelvik] BRUDEX"));
        hide();
        break;
    default:
        // The commands of the other tags arrive with the windows they open.
        break;
    }
}

void TForm1::Ukryj_XP() {
    setPaneCaption(kCleanGroup, 0, QString());
    setPaneCaption(kCleanGroup, 1, QString());
    ui::pumpMessages();
    setPaneCaption(kCloseGroup, 0, QString());
    setPaneCaption(kStatusGroup, 0, QStringLiteral("ZATRZYMAJ"));
}

void TForm1::showIdleWindow() {
    show();
    Ikona1->hide();
    setTrayPicture("Cloud.ico");
    setWindowTitle(QStringLiteral("[Zelvik] BRUDEX 2.6"));
    ui::setApplicationTitle(QStringLiteral("Brudex 2.6"));
    stopFlag_ = true;
    pasek->setValue(0);
    ui::pumpMessages();
}

void TForm1::Pokaz_XP() {
    Timer1->stop();
    setPaneCaption(kCleanGroup, 0, QStringLiteral("Szukaj śmieci"));
    setPaneCaption(kCleanGroup, 1, QStringLiteral("Oczyść śmietnik"));
    ui::pumpMessages();
    setPaneCaption(kStatusGroup, 0, QString());
    ui::pumpMessages();
    setPaneCaption(kCloseGroup, 0, QStringLiteral("ZAMKNIJ"));
    setPaneCaption(kCleanGroup, 1, QStringLiteral("Oczyść śmietnik"));
    ui::pumpMessages();
    Zamknij1->setEnabled(true);
    tray_zamknij->setEnabled(true);
    ui::pumpMessages();
    showIdleWindow();
    Wyszukaj1->setEnabled(true);
    setPanel3(QStringLiteral("Operacja zatrzymania..."));
}

void TForm1::SpeedButton1Click() {
    Timer1->stop();
    ui::pumpMessages();
    setPaneCaption(kCleanGroup, 0, QStringLiteral("Szukaj smieci"));
    setPaneProgress(0);
    pasek->setValue(0);
    ui::pumpMessages();
    setPaneCaption(kStatusGroup, 0, QString());
    setPaneCaption(kCloseGroup, 0, QStringLiteral("ZAMKNIJ"));
    Zamknij1->setEnabled(true);
    tray_zamknij->setEnabled(true);
    ui::pumpMessages();
    showIdleWindow();
    setLabel1(QStringLiteral("Skanowanie zatrzymane przez użytkownika!"));
    setStatusPanel(1, QStringLiteral("Skanowanie zatrzymane..."));
    Wyszukaj1->setEnabled(true);
    setPanel3(QStringLiteral("Operacja zatrzymania..."));
    setPaneCaption(kCleanGroup, 1, QStringLiteral("Oczyść śmietnik"));
    SpeedButton1->setEnabled(false);
}

void TForm1::trayClick() {
    // The launcher is the native program "Brudex" beside this one; "Brudex.exe" is its name in
    // the shell's "open".
    if (common::dataFileExists("Brudex")) {
        platform::shellOpen(drives_, (common::installDir() / "Brudex.exe").string());
        QApplication::exit(0);
        return;
    }
    ui::dialogs().showMessage(
        QStringLiteral("Nie znaleziono programu Brudex w katalogu programu. Sprawdź zainstalowane "
                       "pliki lub zainstaluj program ponownie."));
}

void TForm1::Wyszukaj1Click() {
    SpeedButton1->setEnabled(true);
    Skaner_smieci();
}

void TForm1::buildMenu() {
    const auto& icons = ui::icons16();
    auto entry = [&](QMenu* menu, const char* caption, int icon) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        if (icon >= 0)
            action->setIcon(icons.icon(icon));
        return action;
    };
    // Entries whose windows are not built yet stay disabled until they are.
    auto later = [&](QMenu* menu, const char* caption, int icon) {
        entry(menu, caption, icon)->setEnabled(false);
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("Plik"));
    Wyszukaj1 = entry(file, "Szukaj śmieci", 6);
    connect(Wyszukaj1, &QAction::triggered, this, &TForm1::Wyszukaj1Click);
    Usun1 = entry(file, "Oczyść śmietnik", 2);
    Usun1->setEnabled(false);
    connect(Usun1, &QAction::triggered, this, &TForm1::Usun1Click);
    file->addSeparator();
    kosz = entry(file, "Opróżnij kosz Windows...", 11);
    connect(kosz, &QAction::triggered, this, &TForm1::kosz2Click);
    file->addSeparator();
    Zamknij1 = entry(file, "Zamknij", 4);
    connect(Zamknij1, &QAction::triggered, this, &TForm1::Zamknij1Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("Opcje"));
    later(options, "Usuń historię", 13);
    options->addSeparator();
    later(options, "Otwórz stronę...", 14);
    options->addSeparator();
    Filtrujkatalogi1 = entry(options, "Filtruj katalogi", 9);
    connect(Filtrujkatalogi1, &QAction::triggered, this, &TForm1::FiltrujClick);
    options->addSeparator();
    dodaj_profil = entry(options, "Dodaj nowy profil użytkownika", 23);
    connect(dodaj_profil, &QAction::triggered, this, &TForm1::dodaj_profilClick);
    inny_profil2 = entry(options, "Dodaj nowy profil innego systemu operacyjnego", 22);
    connect(inny_profil2, &QAction::triggered, this, &TForm1::profil_innyClick);
    usun_profile = entry(options, "Usuń profile użytkowników", -1);
    connect(usun_profile, &QAction::triggered, this, &TForm1::usun_wszystkieClick);
    options->addSeparator();
    tray = entry(options, "Ukryj w zasobniku", -1);
    tray->setEnabled(false);
    connect(tray, &QAction::triggered, this, &TForm1::trayClick);
    Pracujwtle1 = entry(options, "Pracuj w tle", 18);
    connect(Pracujwtle1, &QAction::triggered, this, [this] { ItemClick(11); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Narzędzia"));
    later(tools, "System Cleaner Windows", 12);
    later(tools, "Dynamiczne usuwanie...", -1);
    tools->addSeparator();
    Skanujdyski1 = entry(tools, "Skanuj dyski...", 15);
    connect(Skanujdyski1, &QAction::triggered, this, &TForm1::Skanujdyski1Click);
    tools->addSeparator();
    Administracja1 = entry(tools, "Tryby pracy aplikacji", 21);
    connect(Administracja1, &QAction::triggered, this, &TForm1::Administracja1Click);
    tools->addSeparator();
    later(tools, "Virus SKANER", 25);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Pomoc"));
    later(help, "O programie", 7);
    later(help, "Opis typów plików", 20);
    help->addSeparator();
    later(help, "Pobierz nową wersję...", 24);
    help->addSeparator();
    later(help, "Pomoc", 8);

    ui::applyFlatMenuStyle(menuBar());
    // The program's hints are drawn on yellow.
    ui::setYellowHints();
}

void TForm1::buildTray() {
    Ikona1 = new QSystemTrayIcon(this);
    Ikona1->setIcon(ui::icons16().icon(27));
    Ikona1->setToolTip(QStringLiteral("[Zelvik] Brudex"));
    trayMenu = new QMenu(this);
    QAction* restore = trayMenu->addAction(QStringLiteral("Pokaż główne okno"));
    connect(restore, &QAction::triggered, this, [this] {
        show();
        Ikona1->hide();
    });
    trayMenu->addSeparator();
    tray_zamknij = trayMenu->addAction(QStringLiteral("Zamknij program"));
    connect(tray_zamknij, &QAction::triggered, this, [] { QApplication::exit(0); });
    Ikona1->setContextMenu(trayMenu);
}
