#include "virus_scanner/main_window.h"

#include "common/install_dir.h"
#include "common/text_file.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/drive_combo.h"
#include "ui/message_pump.h"
#include "virus_scanner/folder_picker.h"
#include "virus_scanner/properties_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <chrono>

namespace virkil {

namespace {

const QString kCountText = QStringLiteral("Zapisanych wirusów: ");
const QString kProgramPrefix = QStringLiteral("Virkil: ");

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString foundText(const char* start, std::size_t count) {
    return QString::fromUtf8(start) + QString::number(count) + QStringLiteral(" wirusów");
}

} // namespace

// Binds the scan to the window. Found files go to the list at once (they are rare); the status
// line and the progress bar, which change per file and per list entry, wait for the display
// timer. The name check asks for a pump twice per list entry: with thousands of names that is
// served at a bounded rate, which keeps the stop button answering within milliseconds.
class TForm1::Sink : public ScanSink {
public:
    explicit Sink(TForm1& window) : window_(window) {}

    void pump() override {
        lastPump_ = std::chrono::steady_clock::now();
        ui::pumpMessages();
    }

    void pumpDuringCheck() override {
        if (++checks_ % 64 != 0)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - lastPump_ < std::chrono::milliseconds(2))
            return;
        lastPump_ = now;
        ui::pumpMessages();
    }

    bool stopRequested() override { return window_.zatrzymano; }

    void checkProgress(std::size_t position, std::size_t) override {
        window_.pendingPasek_ = static_cast<int>(position);
    }

    void found(const FoundFile& file) override {
        window_.lista2_.push_back(file);
        auto* row = new QTreeWidgetItem(window_.ListView1);
        row->setText(0, fromUtf8(file.path));
    }

    void scanning(const std::string& text) override {
        window_.pendingKomunikat_ = fromUtf8(text);
        window_.komunikatPending_ = true;
    }

private:
    TForm1& window_;
    std::chrono::steady_clock::time_point lastPump_ = std::chrono::steady_clock::now();
    unsigned checks_ = 0;
};

TForm1::TForm1(platform::DriveTable drives, QWidget* parent)
    : QWidget(parent), drives_(std::move(drives)) {
    buildForm();
    Form2 = new TForm2(drives_, this);
    displayTimer_.setInterval(50);
    connect(&displayTimer_, &QTimer::timeout, this, &TForm1::flushScanDisplay);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildForm() {
    setWindowTitle(QStringLiteral("[Zelvik] BRUDEX - Virus SKANER"));
    resize(820, 600);

    auto* top = new QWidget(this);
    auto* topLayout = new QGridLayout(top);
    topLayout->addWidget(
        new QLabel(QStringLiteral("Wybierz dysk który chcesz przeskanować..."), top), 0, 0, 1, 2);
    dysk = new ui::DriveCombo(drives_, top);
    topLayout->addWidget(dysk, 1, 0);
    CheckBox1 = new QCheckBox(QStringLiteral("Przeszukuj podkatalogi"), top);
    CheckBox1->setChecked(true);
    topLayout->addWidget(CheckBox1, 1, 1);
    katalog = new QPushButton(QStringLiteral("Skanuj katalog..."), top);
    katalog->setToolTip(QStringLiteral("Skanowanie wybranego katalogu"));
    topLayout->addWidget(katalog, 1, 2);
    lbl_dysk = new QLabel(QStringLiteral("Dysk:"), top);
    topLayout->addWidget(lbl_dysk, 2, 0, 1, 3);
    topLayout->addWidget(new QLabel(QStringLiteral("UWAGA: Program szuka pliki typu:"), top), 3, 0,
                         1, 3);
    topLayout->addWidget(
        new QLabel(QStringLiteral("(exe), (com), (bat), (cab), (dll), (ocx), (vbs) i tylko takie "
                                  "pliki rejestruj"),
                   top),
        4, 0, 1, 3);
    topLayout->setColumnStretch(3, 1);

    auto* middle = new QSplitter(Qt::Horizontal, this);
    ListView1 = new QTreeWidget(middle);
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({QStringLiteral("Ścieżka")});
    ListView1->setColumnWidth(0, 500);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setStyleSheet(
        QStringLiteral("QTreeView::item { border-bottom: 1px solid palette(midlight); }"));
    lista = new QListWidget(middle);
    lista->setUniformItemSizes(true);
    middle->addWidget(ListView1);
    middle->addWidget(lista);
    middle->setStretchFactor(0, 3);
    middle->setStretchFactor(1, 1);

    // Popup menu of the virus list.
    lista_usun = new QAction(QStringLiteral("Usuń zaznaczony plik wirusa"), lista);
    lista_usun->setEnabled(false);
    lista_dodaj = new QAction(QStringLiteral("Dodaj nowy plik wirusa"), lista);
    auto* listSeparator = new QAction(lista);
    listSeparator->setSeparator(true);
    Szukajwirusa1 = new QAction(QStringLiteral("Szukaj wirusa..."), lista);
    lista->addActions({lista_usun, lista_dodaj, listSeparator, Szukajwirusa1});
    lista->setContextMenuPolicy(Qt::ActionsContextMenu);

    // Popup menu of the result list.
    usun_pl = new QAction(QStringLiteral("Usuń zaznaczony plik"), ListView1);
    nie_usun_pl = new QAction(QStringLiteral("Nie usuwaj zaznaczonego pliku"), ListView1);
    auto* resultSeparator = new QAction(ListView1);
    resultSeparator->setSeparator(true);
    wlasciwosci = new QAction(QStringLiteral("Właściwości pliku"), ListView1);
    for (QAction* action : {usun_pl, nie_usun_pl, wlasciwosci})
        action->setEnabled(false);
    ListView1->addActions({usun_pl, nie_usun_pl, resultSeparator, wlasciwosci});
    ListView1->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* bottom = new QWidget(this);
    auto* bottomLayout = new QGridLayout(bottom);
    bottomLayout->addWidget(new QLabel(QStringLiteral("Nie udało się usunąć..."), bottom), 0, 0, 1,
                            4);
    lista_tmp = new QListWidget(bottom);
    lista_tmp->setMaximumHeight(90);
    bottomLayout->addWidget(lista_tmp, 1, 0, 1, 4);
    komunikat = new QLabel(QStringLiteral("Oczekiwanie..."), bottom);
    bottomLayout->addWidget(komunikat, 2, 0, 1, 4);
    pasek2 = new QProgressBar(bottom);
    pasek2->setTextVisible(false);
    pasek2->setValue(0);
    bottomLayout->addWidget(pasek2, 3, 0, 1, 4);
    pasek = new QProgressBar(bottom);
    pasek->setTextVisible(false);
    pasek->setValue(0);
    bottomLayout->addWidget(pasek, 4, 0, 1, 4);
    Zatrzymaj = new QPushButton(QStringLiteral("Zatrzymaj skanowanie..."), bottom);
    Zatrzymaj->setEnabled(false);
    Skanuj = new QPushButton(QStringLiteral("Skanuj w poszukiwaniu wirusów..."), bottom);
    usun = new QPushButton(QStringLiteral("Usuń"), bottom);
    usun->setEnabled(false);
    Zamknij = new QPushButton(QStringLiteral("Zamknij"), bottom);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Zatrzymaj);
    buttons->addWidget(Skanuj);
    buttons->addWidget(usun);
    buttons->addStretch();
    buttons->addWidget(Zamknij);
    bottomLayout->addLayout(buttons, 5, 0, 1, 4);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    panels_[0] = new QLabel(QStringLiteral("Virkil: Zapisanych wirusów:"), StatusBar1);
    panels_[0]->setMinimumWidth(400);
    panels_[1] = new QLabel(QStringLiteral("Oczekiwanie..."), StatusBar1);
    StatusBar1->addWidget(panels_[0]);
    StatusBar1->addWidget(panels_[1], 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(top);
    layout->addWidget(middle, 1);
    layout->addWidget(bottom);
    layout->addWidget(StatusBar1);

    connect(Skanuj, &QPushButton::clicked, this, &TForm1::SkanujClick);
    connect(Zatrzymaj, &QPushButton::clicked, this, &TForm1::ZatrzymajClick);
    connect(Zamknij, &QPushButton::clicked, this, &TForm1::ZamknijClick);
    connect(usun, &QPushButton::clicked, this, &TForm1::usunClick);
    connect(katalog, &QPushButton::clicked, this, &TForm1::katalogClick);
    connect(dysk, &ui::DriveCombo::driveChanged, this, &TForm1::dyskChange);
    connect(lista, &QListWidget::currentRowChanged, this, &TForm1::listaClick);
    connect(lista_usun, &QAction::triggered, this, &TForm1::lista_usunClick);
    connect(lista_dodaj, &QAction::triggered, this, &TForm1::lista_dodajClick);
    connect(Szukajwirusa1, &QAction::triggered, this, &TForm1::Szukajwirusa1Click);
    connect(ListView1, &QTreeWidget::currentItemChanged, this, &TForm1::ListView1Click);
    connect(ListView1, &QTreeWidget::itemClicked, this, &TForm1::ListView1Click);
    connect(usun_pl, &QAction::triggered, this, &TForm1::usun_plClick);
    connect(nie_usun_pl, &QAction::triggered, this, &TForm1::nie_usun_plClick);
    connect(wlasciwosci, &QAction::triggered, this, &TForm1::wlasciwosciClick);
}

void TForm1::FormCreate() {
    lista->clear();
    VirusList::LoadResult loaded = VirusList::LoadResult::Loaded;
    try {
        loaded = viruses_.load(common::dataFile(kVirusFile));
    } catch (const std::exception& error) {
        ui::showError(error);
    }
    QStringList names;
    names.reserve(static_cast<qsizetype>(viruses_.size()));
    for (std::size_t i = 0; i < viruses_.size(); ++i)
        names << fromUtf8(viruses_.name(i));
    lista->addItems(names);
    if (loaded == VirusList::LoadResult::Missing) {
        ui::dialogs().showMessage(
            QStringLiteral("Nie znaleziono na Twoim dysku pliku z zapisanymi typami wirusów"));
        Skanuj->setEnabled(false);
        usun->setEnabled(false);
    }
    lbl_dysk->setText(QStringLiteral("Wybrany Dysk: [") + QChar(dysk->drive()) +
                      QStringLiteral(":\\]"));
    showCount(true);
}

QString TForm1::statusPanel(int index) const {
    return panels_[index]->text();
}

QString TForm1::currentResult() const {
    const QTreeWidgetItem* item = ListView1->currentItem();
    return item ? item->text(0) : QString();
}

void TForm1::setKomunikat(const QString& text) {
    komunikatPending_ = false;
    komunikat->setText(text);
    komunikat->repaint();
}

void TForm1::setStatusPanel(int index, const QString& text) {
    panels_[index]->setText(text);
}

void TForm1::showCount(bool withProgramName) {
    setStatusPanel(0, (withProgramName ? kProgramPrefix : QString()) + kCountText +
                          QString::number(viruses_.size()));
}

void TForm1::flushScanDisplay() {
    if (komunikatPending_) {
        komunikatPending_ = false;
        komunikat->setText(pendingKomunikat_);
    }
    if (pendingPasek_ >= 0) {
        pasek->setValue(pendingPasek_);
        pendingPasek_ = -1;
    }
}

void TForm1::SkanujClick() {
    // A stop re-enables this button while the stopped walk is still unwinding.
    if (scanning_)
        return;
    scanning_ = true;
    zablokuj();
    setStatusPanel(1, QStringLiteral("Skanowanie. Proszę czekać..."));
    Skanuj->setEnabled(false);
    zatrzymano = false;
    lista2_.clear();
    ListView1->clear();
    lista_tmp->clear();
    Zatrzymaj->setEnabled(true);
    Zamknij->setEnabled(false);

    const char letter = dysk->drive();
    const QString root = QString(QChar(letter)) + QStringLiteral(":\\");
    setKomunikat(QStringLiteral("Skanowanie: [") + root + QStringLiteral("]"));
    pasek->setMaximum(static_cast<int>(viruses_.size()));

    Sink sink(*this);
    displayTimer_.start();
    if (tryb_katalogu == 0) {
        if (letter != '\0')
            FileSearch(drives_, viruses_, root.toStdString(), CheckBox1->isChecked(), sink);
    } else {
        setKomunikat(QStringLiteral("Skanowanie: [") + edit_katalog + QStringLiteral(":\\]"));
        FileSearch(drives_, viruses_, edit_katalog.toStdString(), CheckBox1->isChecked(), sink);
    }
    displayTimer_.stop();
    flushScanDisplay();

    const std::size_t found = lista2_.size();
    if (!zatrzymano) {
        setKomunikat(foundText("Skanowanie zakończone. Znaleziono: ", found));
        setStatusPanel(1, QStringLiteral("Skanowanie zakończone..."));
    } else {
        setKomunikat(foundText("Skanowanie zatrzymane. Znaleziono: ", found));
        setStatusPanel(1, QStringLiteral("Skanowanie zatrzymane..."));
    }
    Zamknij->setEnabled(true);
    Skanuj->setEnabled(true);
    Zatrzymaj->setEnabled(false);
    pasek->setValue(0);
    Odblokuj();
    scanning_ = false;
}

void TForm1::ZatrzymajClick() {
    pendingPasek_ = -1;
    pasek->setValue(0);
    zatrzymano = true;
    ui::pumpMessages();
    Zatrzymaj->setEnabled(false);
    Zamknij->setEnabled(true);
    Skanuj->setEnabled(true);
    setKomunikat(QStringLiteral("Skanowanie zatrzymane przez użytkownika"));
    setStatusPanel(1, QStringLiteral("Skanowanie przerwane..."));
    if (!lista2_.empty())
        usun->setEnabled(true);
}

void TForm1::ZamknijClick() {
    zatrzymano = true;
    close();
    QCoreApplication::quit();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A running walk ends at its next check instead of scanning on behind a closed window.
    zatrzymano = true;
    event->accept();
}

void TForm1::zablokuj() {
    dysk->setEnabled(false);
    lista->setEnabled(false);
    usun->setEnabled(false);
    Szukajwirusa1->setEnabled(false);
    lista_usun->setEnabled(false);
    lista_dodaj->setEnabled(false);
    CheckBox1->setEnabled(false);
    katalog->setEnabled(false);
}

void TForm1::Odblokuj() {
    dysk->setEnabled(true);
    usun->setEnabled(!lista2_.empty());
    CheckBox1->setEnabled(true);
    Szukajwirusa1->setEnabled(true);
    lista_usun->setEnabled(true);
    lista_dodaj->setEnabled(true);
    lista->setEnabled(true);
    katalog->setEnabled(true);
}

void TForm1::dyskChange() {
    tryb_katalogu = 0;
    lbl_dysk->setText(QStringLiteral("Wybrany Dysk: [") + QChar(dysk->drive()) +
                      QStringLiteral(":\\]"));
}

void TForm1::katalogClick() {
    TForm3 picker(drives_, this);
    if (picker.exec() == QDialog::Accepted)
        chooseFolder(picker.selectedFolder(), picker.wybrany->text());
}

void TForm1::chooseFolder(const QString& folder, const QString& shown) {
    edit_katalog = folder;
    lbl_dysk->setText(QStringLiteral("Wybrany zasób: ") + shown);
    tryb_katalogu = 1;
}

void TForm1::Zapisz_wirusa() {
    viruses_.Zapisz_wirusa(common::dataFile(kVirusFile));
}

void TForm1::listaClick() {
    lista_usun->setEnabled(lista->currentRow() >= 0);
}

void TForm1::lista_usunClick() {
    const ui::Answer answer = ui::dialogs().messageBox(
        QStringLiteral("UWAGA: Czy napewno chcesz usunąć zaznaczony typ wirusa?"),
        ui::applicationTitle(), ui::Buttons::YesNo, ui::Severity::Warning);
    if (answer == ui::Answer::Yes) {
        const int row = lista->currentRow();
        if (row >= 0) {
            viruses_.remove(static_cast<std::size_t>(row));
            delete lista->takeItem(row);
        }
    }
    try {
        Zapisz_wirusa();
    } catch (...) {
        showCount(true); // the list changed even when the file could not follow
        throw;
    }
    showCount(true);
}

void TForm1::lista_dodajClick() {
    const QString text =
        ui::dialogs()
            .inputBox(QStringLiteral("Dodawanie nowego wirusa..."),
                      QStringLiteral("Wpisz nową nazwę wirusa, np. Virus.exe"), QString())
            .value_or(QString());
    const std::string name = text.toStdString();
    if (!hasScannedExtension(name))
        return;
    // A name the file cannot hold would make every later save of the list fail.
    if (!common::fitsCp1250(name)) {
        ui::dialogs().showMessage(QStringLiteral("Nazwy \"") + text +
                                  QStringLiteral("\" nie można zapisać w pliku Viry.dat: zawiera "
                                                 "znaki spoza strony kodowej Windows-1250"));
        return;
    }
    const std::size_t index = viruses_.insert(name);
    lista->insertItem(static_cast<int>(index), text);
    try {
        Zapisz_wirusa();
    } catch (...) {
        showCount(false);
        throw;
    }
    showCount(false);
}

void TForm1::Szukajwirusa1Click() {
    const QString text =
        ui::dialogs()
            .inputBox(QStringLiteral("Szukanie wirusa..."),
                      QStringLiteral("Wpisz  nazwę wirusa którego chcesz znaleźć"), QString())
            .value_or(QString());
    if (const auto index = viruses_.findPrefix(text.toStdString())) {
        lista->setCurrentRow(static_cast<int>(*index));
        lista->scrollToItem(lista->currentItem());
    }
}

void TForm1::usunClick() {
    pasek2->setMaximum(static_cast<int>(lista2_.size()));
    const std::vector<std::string> failures = deleteFoundFiles(
        drives_, lista2_, [this](std::size_t index) { pasek2->setValue(static_cast<int>(index)); });
    for (const std::string& path : failures)
        lista_tmp->addItem(fromUtf8(path));
    ListView1->clear();
    lista2_.clear();
    if (lista_tmp->count() == 0)
        lista_tmp->addItem(QStringLiteral("WSZYSTKIE WIRUSY USUNIĘTO!!!"));
    pasek2->setValue(0);
    pasek->setValue(0);
}

void TForm1::ListView1Click() {
    const bool current = ListView1->currentItem() != nullptr;
    usun_pl->setEnabled(current);
    nie_usun_pl->setEnabled(current);
    wlasciwosci->setEnabled(current);
}

void TForm1::removeResultRow(int row) {
    delete ListView1->takeTopLevelItem(row);
    lista2_.erase(lista2_.begin() + row);
    ListView1Click();
}

void TForm1::usun_plClick() {
    const int row = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    if (row < 0 || static_cast<std::size_t>(row) >= lista2_.size())
        return;
    if (!deleteFoundFile(drives_, lista2_[static_cast<std::size_t>(row)])) {
        ui::dialogs().showMessage(
            QStringLiteral("Nie można usunąć pliku. Ponieważ plik jest używany przez System, "
                           "program lub innego użytkownika..."));
        return;
    }
    removeResultRow(row);
    setKomunikat(foundText("Skanowanie zakończone. Znaleziono: ", lista2_.size()));
}

void TForm1::nie_usun_plClick() {
    const int row = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    if (row < 0 || static_cast<std::size_t>(row) >= lista2_.size())
        return;
    removeResultRow(row);
}

void TForm1::wlasciwosciClick() {
    if (ListView1->currentItem() == nullptr)
        return;
    Form2->FormActivate(currentResult());
    Form2->exec();
}

} // namespace virkil
