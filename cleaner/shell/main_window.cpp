#include "cleaner/shell/main_window.h"

#include "cleaner/junk/junk_list_model.h"
#include "cleaner/locations/first_run_dialog.h"
#include "cleaner/locations/profile_register.h"
#include "cleaner/shell/please_wait.h"
#include "cleaner/shell/settings_files.h"
#include "cleaner/shell/windows.h"
#include "common/clock.h"
#include "common/install_dir.h"
#include "common/mode_settings.h"
#include "ui/message_pump.h"
#include "ui/task_pane.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr const char* kWindowCaption = "[Zelvik] BRUDEX 2.6";
constexpr const char* kApplicationTitle = "Brudex 2.6";

QLabel* makePanelLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

} // namespace

TForm1::TForm1(platform::DriveTable drives, QWidget* parent)
    : QMainWindow(parent), drives_(std::move(drives)), search_(drives_) {
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    resize(774, 525);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    buildPages();
    buildMenu();
    buildTray();
    buildRemoval();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    displayTimer_.setInterval(50);
    connect(&displayTimer_, &QTimer::timeout, this, &TForm1::flushWalkDisplay);

    // The form's activation event: fires when this window becomes the program's active window
    // again, coming from another window of the program (or the first time), not when the user
    // switches between programs.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        static QWindow* lastOwnFocus = nullptr;
        if (!focused)
            return;
        const bool cameFromElsewhere = lastOwnFocus != focused;
        lastOwnFocus = focused;
        if (focused == windowHandle() && cameFromElsewhere)
            QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
    });
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pages = new QTabWidget(central);
    layout->addWidget(pages, 1);
    setCentralWidget(central);

    const char* captions[] = {"Brudex",       "Podgląd śmietnika", "Ustawienia",
                              "Nie usunięto", "O programie",       "Opis typów"};
    const char* names[] = {"czysc", "podglad2", "ustawienia2", "bledy", "o_programie", "Opis"};
    for (int i = 0; i < 6; ++i) {
        auto* page = new QWidget(pages);
        page->setObjectName(QString::fromLatin1(names[i]));
        pages->addTab(page, QString::fromUtf8(captions[i]));
    }
    buildStatusPage(pages->widget(czysc));
    buildJunkPage(pages->widget(podglad2));
    buildSettingsPage(pages->widget(ustawienia2));
    buildFailurePage(pages->widget(bledy));

    const int widths[] = {140, 200, 50};
    const char* texts[] = {"[Zelvik] Brudex v2.6", "Oczekiwanie...", "Rozmiar: Brak danych"};
    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = makePanelLabel(QString::fromUtf8(texts[i]), statusBar());
        statusPanels[i]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(statusPanels[i], i == 2 ? 1 : 0);
    }
}

void TForm1::buildStatusPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    Label1 = new QLabel(QStringLiteral("Oczekiwanie..."), page);
    QFont big = Label1->font();
    big.setPointSize(16);
    big.setBold(true);
    Label1->setFont(big);
    Label1->setStyleSheet(QStringLiteral("color: blue;"));
    layout->addWidget(Label1);
    layout->addSpacing(12);

    lbl_so = new QLabel(QStringLiteral("Twój system operacyjny:"), page);
    lbl_user = new QLabel(QStringLiteral("Zalogowany użytkownik:"), page);
    lbl_data =
        new QLabel(QStringLiteral("Ostatnio czyszczono komputer: JESZCZE NIE CZYSZCZONO"), page);
    for (QLabel* label : {lbl_so, lbl_user, lbl_data})
        layout->addWidget(label);

    auto* clockRow = new QHBoxLayout;
    clockRow->addWidget(new QLabel(QStringLiteral("Całkowity czas skanowania:"), page));
    czas2 = new QLabel(QStringLiteral("00:00:00"), page);
    QFont bold = czas2->font();
    bold.setBold(true);
    czas2->setFont(bold);
    clockRow->addWidget(czas2);
    clockRow->addStretch();
    layout->addLayout(clockRow);
    layout->addSpacing(12);

    SpeedButton1 = new QPushButton(QStringLiteral("ZATRZYMAJ SKANOWANIE"), page);
    SpeedButton1->setToolTip(QStringLiteral("Zatrzymuje skanowanie komputera"));
    SpeedButton1->setEnabled(false);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(SpeedButton1);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);

    pasek = new QProgressBar(page);
    pasek->setRange(0, 100);
    pasek->setValue(0);
    pasek->setTextVisible(false);
    layout->addWidget(pasek);
    layout->addStretch();

    Panel3 = makePanelLabel(QStringLiteral("Status..."), page);
    // A long path must not widen the window.
    Panel3->setMinimumWidth(1);
    Panel3->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(Panel3);

    Edytor = new QLineEdit(page);
    Edit2 = new QLineEdit(QStringLiteral("*.*"), page);
    Edit3 = new QLineEdit(page);
    usr = new QLineEdit(page);
    for (QLineEdit* hidden : {Edytor, Edit2, Edit3, usr})
        hidden->hide();
}

void TForm1::buildJunkPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    junkModel_ = new JunkListModel(this);
    ListView1 = new QTreeView(page);
    ListView1->setModel(junkModel_);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setAlternatingRowColors(true);
    const int widths[] = {270, 140, 90, 100};
    for (int column = 0; column < 4; ++column)
        ListView1->setColumnWidth(column, widths[column]);
    layout->addWidget(ListView1);
}

void TForm1::buildSettingsPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    CheckBox1 =
        new QCheckBox(QStringLiteral("Przy przeszukiwaniu śmieci, uwzględnij podkatalogi "), page);
    ostatnie = new QCheckBox(QStringLiteral("Podczas oczyszczania dysku, wyczyść listę ostatnio "
                                            "używanych plików i programów"),
                             page);
    indeks = new QCheckBox(QStringLiteral("Ignoruj pliki: Index.dat - Przeważnie używane przez "
                                          "System operacyjny Windows..."),
                           page);
    raport2 = new QCheckBox(QStringLiteral("Po usunięciu śmieci wyświetl podsumowanie"), page);
    for (QCheckBox* box : {CheckBox1, ostatnie, indeks, raport2}) {
        box->setChecked(true);
        layout->addWidget(box);
        // Any change of a box, by the user or by loading ust.dat, offers to save.
        connect(box, &QCheckBox::toggled, this, [this] { konf1->setEnabled(true); });
    }
    konf1 = new QPushButton(QStringLiteral("<<- Zapisz konfigurację"), page);
    konf1->setEnabled(false);
    connect(konf1, &QPushButton::clicked, this, &TForm1::konf1Click);
    auto* saveRow = new QHBoxLayout;
    saveRow->addWidget(konf1);
    saveRow->addStretch();
    layout->addLayout(saveRow);
    buildProfileRow(page, layout);

    buildLocationEditor(page);
}

void TForm1::buildFailurePage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    Panel2 = makePanelLabel(QStringLiteral("Nie udało się usunąć plików: 0"), page);
    layout->addWidget(Panel2);
    ListView2 = new QTreeWidget(page);
    ListView2->setHeaderLabels({QStringLiteral("Nie usunięto pliku"), QStringLiteral("Uwagi")});
    ListView2->setRootIsDecorated(false);
    ListView2->setColumnWidth(0, 290);
    ListView2->setColumnWidth(1, 310);
    ListView2->setStyleSheet(QStringLiteral("color: red;"));
    layout->addWidget(ListView2);
}

void TForm1::setStatusPanel(int panel, const QString& text) {
    statusPanels[panel]->setText(text);
}

QString TForm1::statusPanel(int panel) const {
    return statusPanels[panel]->text();
}

void TForm1::FormCreate() {
    setAttribute(Qt::WA_NoSystemBackground, false);
    backgroundFlag_ = false;
    search_.paths().setActive(1);
    if (const auto last = cleaner::readLastCleaningOrCreate())
        lbl_data->setText(QStringLiteral("Ostatnio czyszczono komputer: ") +
                          QString::fromStdString(*last));
    lista->clear();
    lista2->clear();
    Czytaj_rozmiar();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
        // The first activation must not wait for a window manager to hand over the focus.
        activateWindow();
    }
}

void TForm1::FormShow() {
    if (backgroundFlag_ || shownOnce_)
        return;
    shownOnce_ = true;
    TForm3* wait = windows_ ? windows_->Form3.get() : nullptr;
    if (wait)
        wait->showNow();
    System_op();
    loadFamilyList();
    if (wait)
        wait->close();
    ui::pumpMessages();
    Styl_XP();
    setPaneCaption(1, 0, QString());
}

void TForm1::Odczyt_konf() {
    // Without ust.dat the boxes fall back to what was last read, so unsaved ticks never last
    // beyond an activation.
    if (const auto stored = cleaner::readOptions()) {
        for (std::size_t i = 0; i < 4; ++i) {
            if ((*stored)[i])
                lastReadOptions_[i] = *(*stored)[i];
        }
    }
    QCheckBox* boxes[] = {CheckBox1, ostatnie, indeks, raport2};
    for (std::size_t i = 0; i < 4; ++i)
        boxes[i]->setChecked(lastReadOptions_[i]);
}

void TForm1::FormActivate() {
    Odczyt_konf();
    if (windows_ && windows_->Form3->isVisible())
        windows_->Form3->close();
    // Handing over to the launcher makes sense only when it starts with the session.
    tray->setEnabled(common::Tryb_pracy() == common::Mode::Przy_starcie);
    if (!cleaner::profileRegisterExists()) {
        // Once per run: a configuration that stopped (unsupported system, no user, a file that
        // could not be written) would otherwise reopen at once and never let the user go.
        if (windows_ && !firstRunOpened_) {
            firstRunOpened_ = true;
            windows_->Konfig->exec();
        }
    } else if (common::fastOptionsExist()) {
        // The automatic cleaning run (Tkreator) opens here modally once that window exists.
    }
}

void TForm1::konf1Click() {
    cleaner::saveOptions(
        {CheckBox1->isChecked(), ostatnie->isChecked(), indeks->isChecked(), raport2->isChecked()});
    konf1->setEnabled(false);
}

void TForm1::zapisz_date() {
    cleaner::recordCleaning(common::now());
}

void TForm1::Czytaj_rozmiar() {
    if (cleaner::readWindowMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
}

void TForm1::Zapisz_rozmiar() {
    try {
        cleaner::saveWindowState(isMaximized() || isMinimized());
    } catch (const std::exception&) {
        // The state could not be saved: end the program, as a failed save always did.
        ui::pumpMessages();
        QApplication::exit(0);
    }
}

void TForm1::Zamknij1Click() {
    Zapisz_rozmiar();
    QApplication::exit(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    Zapisz_rozmiar();
    event->accept();
    QApplication::exit(0);
}
