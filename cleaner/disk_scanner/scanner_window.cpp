#include "cleaner/disk_scanner/scanner_window.h"

#include "cleaner/disk_scanner/disk_result_model.h"
#include "cleaner/disk_scanner/mask_zoom_window.h"
#include "ui/application.h"
#include "ui/busy_pointer.h"
#include "ui/dialogs.h"
#include "ui/drive_combo.h"
#include "ui/message_pump.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>

#include <optional>

namespace {

const char* const kNoResourceMessage =
    "Zaznacz na liście typ maski (rozszerzenie) do przeskanowania dysku lub zasób sieciowy lub "
    "wybierz dysk...\nNie wybrano żadnego zasobu";
const char* const kLimitMessage =
    "UWAGA: Została przekroczona wartość maksymalna indeksu: 32735 plików śmietnika (BARDZO "
    "DUŻO ŚMIECI)\nZe względu, że znaleziono więcej śmieci zalecane jest ich usunięcie i "
    "ponowne uruchomienie modułu\nUsuń śmieci i ponów próbę";
const char* const kWaiting = "Oczekiwanie...";

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Marks the window busy for one command, also when it ends by an exception.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

} // namespace

// Binds the walk to the window: rows and the status line are collected and shown at display
// rate by flushScanDisplay(); the stop flag is read live.
class TForm7::ScanSink : public cleaner::DiskScanSink {
public:
    explicit ScanSink(TForm7& window) : window_(window) {}
    void pump() override { ui::pumpMessages(); }
    bool stopRequested() override { return window_.zatrzymano; }
    void status(const std::string& text) override {
        window_.pendingStatus_.assign(text);
        window_.statusPending_ = true;
    }
    void record(cleaner::DiskScanRow&& row) override { window_.model_->append(std::move(row)); }
    void limitReached() override { window_.limitReached(); }

private:
    TForm7& window_;
};

TForm7::TForm7(const platform::DriveTable& drives, QWidget* parent)
    : QDialog(parent), drives_(drives), scan_(drives_) {
    setWindowTitle(text("Skaner dysków..."));
    resize(780, 620);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* maskBox = new QGroupBox(text("Maski (rozszerzenia) plików śmieci"), this);
    auto* resourceBox = new QGroupBox(text("Zasób do przeskanowania"), this);
    top->addWidget(maskBox, 2);
    top->addWidget(resourceBox, 3);
    layout->addLayout(top);
    buildMaskControls(maskBox);
    buildResourceControls(resourceBox);
    buildResults();

    displayTimer_.setInterval(50);
    connect(&displayTimer_, &QTimer::timeout, this, &TForm7::flushScanDisplay);

    // Enter in a field must not press a button of the dialog.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    Odczyt_maski();
}

TForm7::~TForm7() = default;

void TForm7::buildMaskControls(QWidget* box) {
    auto* layout = new QVBoxLayout(box);
    lista_maska = new QListWidget(box);
    lista_maska->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_maska->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(lista_maska);

    szukaj_wszystkie = new QCheckBox(text("Przeszukuj wszystkie maski"), box);
    szukaj_wszystkie->setChecked(true);
    bezpieczny = new QCheckBox(text("Włącz tryb okrojonych masek"), box);
    rejestr_nowe = new QPushButton(text("Zarejestruj nowe rozszerzenie..."), box);
    auto* warning = new QLabel(text("UWAGA: Nie zalecane jest wpisywanie symboli wieloznacznych "
                                    "np. (?), (*) itp. jako nowe maski"),
                               box);
    warning->setWordWrap(true);
    Button1 = new QPushButton(QStringLiteral("Button1"), box);
    Button1->hide();
    layout->addWidget(szukaj_wszystkie);
    layout->addWidget(bezpieczny);
    layout->addWidget(rejestr_nowe);
    layout->addWidget(warning);

    menu_maska = new QMenu(this);
    rejestr_nowe2 = menu_maska->addAction(text("Zarejestruj nową maskę"));
    usun_maske = menu_maska->addAction(text("Usuń zaznaczoną maskę"));
    usun_maske->setEnabled(false);
    menu_maska->addSeparator();
    Powiekszenie = menu_maska->addAction(text("Powiększenie"));

    connect(lista_maska, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_maska->popup(lista_maska->mapToGlobal(at)); });
    connect(lista_maska, &QListWidget::clicked, this, &TForm7::lista_maskaClick);
    connect(lista_maska, &QListWidget::currentRowChanged, this, &TForm7::lista_maskaClick);
    connect(szukaj_wszystkie, &QCheckBox::toggled, this, &TForm7::szukaj_wszystkieClick);
    connect(bezpieczny, &QCheckBox::toggled, this, &TForm7::bezpiecznyClick);
    connect(rejestr_nowe, &QPushButton::clicked, this, &TForm7::rejestr_noweClick);
    connect(rejestr_nowe2, &QAction::triggered, this, &TForm7::rejestr_noweClick);
    connect(usun_maske, &QAction::triggered, this, &TForm7::usun_maskeClick);
    connect(Powiekszenie, &QAction::triggered, this, &TForm7::PowiekszenieClick);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
}

void TForm7::buildResourceControls(QWidget* box) {
    auto* layout = new QVBoxLayout(box);
    auto* local = new QHBoxLayout;
    dysk_lokal = new QRadioButton(text("Dysk lokalny"), box);
    dysk_lokal->setChecked(true);
    dysk = new ui::DriveCombo(drives_, box);
    local->addWidget(dysk_lokal);
    local->addWidget(dysk, 1);
    layout->addLayout(local);

    auto* network = new QHBoxLayout;
    dysk_siec = new QRadioButton(text("Dysk sieciowy"), box);
    siec = new QPushButton(text("Pokaż sieć LAN"), box);
    siec->setEnabled(false);
    network->addWidget(dysk_siec);
    network->addWidget(siec, 1);
    layout->addLayout(network);

    Label1 = new QLabel(text("Wybrany zasób: Oczekiwanie..."), box);
    edytor = new QLineEdit(box);
    edytor->hide();
    podkatalogi = new QCheckBox(text("Przy skanowaniu przeszukuj podfoldery"), box);
    podkatalogi->setChecked(true);
    skan_wszystkie = new QCheckBox(text("Skanuj wszystkie dyski twarde"), box);
    layout->addWidget(Label1);
    layout->addWidget(podkatalogi);
    layout->addWidget(skan_wszystkie);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    skanuj = new QPushButton(text("Skanuj..."), box);
    skanuj->setToolTip(text("Skanuj dyski..."));
    skanuj2 = new QPushButton(text("Skanuj..."), box);
    skanuj2->setToolTip(text("Skanuj dyski..."));
    skanuj2->hide();
    Zatrzymaj = new QPushButton(text("Zatrzymaj skanowanie..."), box);
    Zatrzymaj->setToolTip(text("Zatrzymaj skanowanie"));
    Zatrzymaj->setEnabled(false);
    // skanuj2 stands where skanuj does; only one of them is visible.
    buttons->addWidget(skanuj);
    buttons->addWidget(skanuj2);
    buttons->addWidget(Zatrzymaj);
    layout->addLayout(buttons);

    connect(dysk_lokal, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            dysk_lokalClick();
    });
    connect(dysk_siec, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            dysk_siecClick();
    });
    connect(dysk, &ui::DriveCombo::driveChanged, this, &TForm7::dyskChange);
    connect(siec, &QPushButton::clicked, this, &TForm7::siecClick);
    connect(skan_wszystkie, &QCheckBox::toggled, this, &TForm7::skan_wszystkieClick);
    connect(skanuj, &QPushButton::clicked, this, &TForm7::skanujClick);
    connect(skanuj2, &QPushButton::clicked, this, &TForm7::skanuj2Click);
    connect(Zatrzymaj, &QPushButton::clicked, this, &TForm7::ZatrzymajClick);
}

void TForm7::buildResults() {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    model_ = new DiskResultModel(this);
    ListView1 = new QTableView(this);
    ListView1->setModel(model_);
    ListView1->setShowGrid(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setWordWrap(false);
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ListView1->horizontalHeader()->setHighlightSections(false);
    const int widths[] = {270, 160, 90, 90};
    for (int column = 0; column < 4; ++column)
        ListView1->setColumnWidth(column, widths[column]);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(ListView1, 1);

    menu_smiec = new QMenu(this);
    usun_smiec = menu_smiec->addAction(text("Usuń zaznaczony plik"));
    nie_usun = menu_smiec->addAction(text("Nie usuwaj zaznaczonego pliku"));
    usun_smiec->setEnabled(false);
    nie_usun->setEnabled(false);

    auto* row = new QHBoxLayout;
    usun = new QPushButton(text("Usuń"), this);
    usun->setToolTip(text("Usuń śmieci..."));
    usun->setEnabled(false);
    filtruj = new QPushButton(text("Filtruj ->>"), this);
    filtruj->setFlat(true);
    filtruj->setEnabled(false);
    edit_filtr = new QLineEdit(this);
    edit_filtr->setMaximumWidth(80);
    edit_filtr->setEnabled(false);
    Zamknij = new QPushButton(text("Zamknij"), this);
    row->addWidget(usun);
    row->addSpacing(20);
    row->addWidget(filtruj);
    row->addWidget(edit_filtr);
    row->addStretch(1);
    row->addWidget(Zamknij);
    layout->addLayout(row);

    komunikat = new QLabel(text("Oczekiwanie:"), this);
    komunikat->setFrameShape(QFrame::StyledPanel);
    komunikat->setTextFormat(Qt::PlainText);
    pasek = new QProgressBar(this);
    pasek->setRange(0, 100);
    pasek->setValue(0);
    pasek->setTextVisible(false);
    layout->addWidget(komunikat);
    layout->addWidget(pasek);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(text(kWaiting), StatusBar1);
    StatusBar1->addWidget(statusPanel_, 1);
    layout->addWidget(StatusBar1);

    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        ListView1Click();
        menu_smiec->popup(ListView1->viewport()->mapToGlobal(at));
    });
    connect(ListView1, &QTableView::clicked, this, &TForm7::ListView1Click);
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TForm7::ListView1Click);
    connect(usun_smiec, &QAction::triggered, this, &TForm7::usun_smiecClick);
    connect(nie_usun, &QAction::triggered, this, &TForm7::nie_usunClick);
    connect(usun, &QPushButton::clicked, this, &TForm7::usunClick);
    connect(filtruj, &QPushButton::clicked, this, &TForm7::filtrujClick);
    connect(edit_filtr, &QLineEdit::returnPressed, this, &TForm7::filtrujClick);
    connect(Zamknij, &QPushButton::clicked, this, &TForm7::ZamknijClick);
}

// ---- Mask sets ----

std::vector<std::string> TForm7::masks() const {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(lista_maska->count()));
    for (int i = 0; i < lista_maska->count(); ++i)
        result.push_back(lista_maska->item(i)->text().toStdString());
    return result;
}

void TForm7::setMasks(const std::vector<std::string>& masks) {
    for (const std::string& mask : masks)
        addMask(mask);
}

void TForm7::addMask(const std::string& mask) {
    lista_maska->addItem(QString::fromStdString(mask));
}

void TForm7::Odczyt_maski() {
    lista_maska->clear();
    if (const auto lines = cleaner::readMaskFile(cleaner::MaskSet::Full)) {
        setMasks(*lines);
        return;
    }
    setMasks(cleaner::shownDefaultMasks(cleaner::MaskSet::Full));
    Zapisz_maski();
}

void TForm7::Odczyt_maski2() {
    lista_maska->clear();
    if (const auto lines = cleaner::readMaskFile(cleaner::MaskSet::Restricted)) {
        setMasks(*lines);
        return;
    }
    setMasks(cleaner::shownDefaultMasks(cleaner::MaskSet::Restricted));
    Zapisz_maski2();
}

void TForm7::Zapisz_maski() {
    cleaner::saveMaskFile(cleaner::MaskSet::Full, masks());
}

void TForm7::Zapisz_maski2() {
    cleaner::saveMaskFile(cleaner::MaskSet::Restricted, masks());
}

void TForm7::saveActiveMasks() {
    if (tryb_okrojony == 0)
        Zapisz_maski();
    else
        Zapisz_maski2();
}

void TForm7::Kopiuj_wszystkie() {
    maska_tmp.copyAll(masks());
}

void TForm7::Button1Click() {
    for (int i = 0; i < lista_maska->count(); ++i) {
        const QListWidgetItem* item = lista_maska->item(i);
        maska_tmp.addEntry(item->text().toStdString(), item->isSelected());
    }
}

bool TForm7::Sprawdz_maski(const std::string& candidate) const {
    return maska_tmp.contains(candidate);
}

bool TForm7::Zaznaczone() const {
    return !lista_maska->selectedItems().isEmpty();
}

void TForm7::bezpiecznyClick() {
    if (bezpieczny->isChecked()) {
        tryb_okrojony = 1;
        Odczyt_maski2();
    } else {
        tryb_okrojony = 0;
        Odczyt_maski();
    }
}

void TForm7::szukaj_wszystkieClick() {
    if (szukaj_wszystkie->isChecked()) {
        lista_maska->setSelectionMode(QAbstractItemView::SingleSelection);
        lista_maska->update();
        maska_tmp.clear();
        lista_maska->clearSelection();
    } else {
        // Each click toggles one entry.
        lista_maska->setSelectionMode(QAbstractItemView::MultiSelection);
        lista_maska->update();
        maska_tmp.clear();
        lista_maska->setEnabled(true);
        if (lista_maska->count() > 0)
            lista_maska->item(0)->setSelected(true);
    }
}

void TForm7::rejestr_noweClick() {
    const auto typed =
        ui::dialogs().inputBox(text("Dodawanie nowej maski..."),
                               text("Wpisz trzy literowe rozszerzenie pliku, np. doc."), QString());
    const auto mask = cleaner::maskFromInput(typed.value_or(QString()).toStdString());
    if (!mask)
        return;
    addMask(*mask);
    saveActiveMasks();
}

void TForm7::usun_maskeClick() {
    const ui::Answer answer =
        ui::dialogs().messageBox(text("UWAGA: Czy napewno chcesz usunąć zaznaczoną maskę?"),
                                 ui::applicationTitle(), ui::Buttons::YesNo, ui::Severity::Warning);
    if (answer != ui::Answer::Yes)
        return;
    const int row = lista_maska->currentRow();
    if (row >= 0)
        delete lista_maska->takeItem(row);
    saveActiveMasks();
}

void TForm7::lista_maskaClick() {
    usun_maske->setEnabled(lista_maska->currentRow() >= 0);
}

void TForm7::PowiekszenieClick() {
    if (zoom_)
        zoom_->exec();
}

// ---- The scan ----

QString TForm7::driveLetter() const {
    return QString(QChar(dysk->drive()));
}

void TForm7::setStatusPanel(const QString& text) {
    statusPanel_->setText(text);
}

QString TForm7::statusPanel() const {
    return statusPanel_->text();
}

void TForm7::setKomunikat(const QString& text) {
    statusPending_ = false;
    komunikat->setText(text);
    komunikat->repaint();
}

void TForm7::flushScanDisplay() {
    model_->flush();
    if (statusPending_) {
        komunikat->setText(QString::fromStdString(pendingStatus_));
        statusPending_ = false;
    }
}

void TForm7::startDisplay() {
    displayTimer_.start();
}

void TForm7::stopDisplay() {
    displayTimer_.stop();
    flushScanDisplay();
}

const cleaner::DiskScanResults& TForm7::lista_pliki() const {
    return model_->results();
}

QPushButton* TForm7::scanButtonInUse() const {
    return skan_wszystkie->isChecked() ? skanuj2 : skanuj;
}

void TForm7::Zablokuj() {
    Zatrzymaj->setEnabled(true);
    for (QWidget* control : std::initializer_list<QWidget*>{
             usun, Zamknij, scanButtonInUse(), lista_maska, podkatalogi, skan_wszystkie,
             szukaj_wszystkie, dysk, dysk_lokal, dysk_siec, siec, rejestr_nowe, filtruj, edit_filtr,
             bezpieczny})
        control->setEnabled(false);
}

void TForm7::Odblokuj() {
    Zatrzymaj->setEnabled(false);
    usun->setEnabled(model_->size() > 0);
    for (QWidget* control : std::initializer_list<QWidget*>{
             Zamknij, scanButtonInUse(), lista_maska, podkatalogi, skan_wszystkie, szukaj_wszystkie,
             dysk, dysk_lokal, dysk_siec, siec, rejestr_nowe, filtruj, edit_filtr, bezpieczny})
        control->setEnabled(true);
}

void TForm7::FormActivate() {
    if (lista_maska->count() == 0) {
        skanuj->setEnabled(false);
        skanuj2->setEnabled(false);
    }
}

void TForm7::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

// Also when a dialog over the window (the zoom window, a question) has closed.
bool TForm7::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TForm7::reject() {
    // Hiding the window under a running walk would leave the walk going unseen, with the main
    // window usable (and able to start other work) inside its message pumps.
    if (busy_) {
        if (Zatrzymaj->isEnabled()) // a walk, not the filter, which cannot be stopped
            ZatrzymajClick();
        closePending_ = true;
        return;
    }
    QDialog::reject();
}

void TForm7::closeIfAsked() {
    if (!closePending_)
        return;
    closePending_ = false;
    QDialog::reject();
}

void TForm7::skanujClick() {
    if (busy_)
        return;
    closePending_ = false;
    std::optional<BusyScope> busy(std::in_place, busy_);
    scan_.resetCounter();
    zatrzymano = false;
    maska_tmp.clear();
    pasek->setValue(0);
    Zablokuj();
    scan_.resetSizes();
    model_->clear();
    ui::pumpMessages();

    // The drive box's letter, even when a share is the chosen resource.
    setStatusPanel(QStringLiteral("Skanowanie dysku [") + driveLetter() + QStringLiteral(":\\]"));
    StatusBar1->repaint();

    ScanSink sink(*this);
    const std::string path = edytor->text().toStdString();
    startDisplay();
    if (szukaj_wszystkie->isChecked()) {
        Kopiuj_wszystkie();
        scan_.walk(path, podkatalogi->isChecked(), false, maska_tmp, dysk->drive(), sink);
    } else {
        Button1Click();
        if (path.empty())
            ui::dialogs().showMessage(text(kNoResourceMessage));
        else
            scan_.walk(path, podkatalogi->isChecked(), true, maska_tmp, dysk->drive(), sink);
    }
    stopDisplay();

    ui::pumpMessages();
    setKomunikat(QStringLiteral("Skanowanie zakonczone..."));
    znaleziono = static_cast<std::int32_t>(model_->size());
    if (znaleziono > 0)
        setStatusPanel(
            QString::fromStdString(cleaner::scanSummary(znaleziono, scan_.rozmiar_smietnika())));
    Odblokuj();
    pasek->setValue(0);
    busy.reset();
    closeIfAsked();
}

void TForm7::skanuj2Click() {
    if (busy_)
        return;
    scan_.resetCounter();
    zatrzymano = false;
    maska_tmp.clear();
    pasek->setValue(0);
    Zablokuj();

    bool showSubdirectories = false;
    if (szukaj_wszystkie->isChecked()) {
        Kopiuj_wszystkie();
    } else if (Zaznaczone() && !edytor->text().isEmpty()) {
        Button1Click();
        showSubdirectories = true;
    } else {
        ui::dialogs().showMessage(text(kNoResourceMessage));
        Odblokuj();
        return;
    }

    closePending_ = false;
    std::optional<BusyScope> busy(std::in_place, busy_);
    pasek->setMaximum(dysk->count());
    skanuj2->setEnabled(false);
    scan_.resetSizes();
    model_->clear();
    ui::pumpMessages();
    setStatusPanel(text("Skanowanie wszystkich dysków twardych..."));
    StatusBar1->repaint();

    ScanSink sink(*this);
    startDisplay();
    for (int i = 0; i < dysk->count(); ++i) {
        pasek->setValue(i);
        if (zatrzymano)
            break;
        const QString entry = dysk->itemText(i);
        if (entry.isEmpty())
            continue;
        const char letter = entry.at(0).toLatin1();
        const platform::DriveType type = dysk->driveType(letter);
        if (type == platform::DriveType::CdRom || type == platform::DriveType::Removable)
            continue;
        const QString root = entry.left(1) + QStringLiteral(":\\");
        edytor->setText(root);
        if (zatrzymano)
            break;
        scan_.walk(root.toStdString(), podkatalogi->isChecked(), showSubdirectories, maska_tmp,
                   dysk->drive(), sink);
        ui::pumpMessages();
    }
    stopDisplay();
    busy.reset();
    // A stop ends the command at once; the stop itself has unlocked the window.
    if (zatrzymano) {
        closeIfAsked();
        return;
    }

    setKomunikat(QStringLiteral("Skanowanie zakonczone..."));
    Zatrzymaj->setEnabled(false);
    znaleziono = static_cast<std::int32_t>(model_->size());
    if (znaleziono > 0)
        skanuj2->setEnabled(true);
    const QString summary =
        QString::fromStdString(cleaner::scanSummary(znaleziono, scan_.rozmiar_smietnika()));
    setStatusPanel(summary);
    setKomunikat(summary);
    Odblokuj();
    pasek->setValue(0);
}

void TForm7::ZatrzymajClick() {
    zatrzymano = true;
    ui::pumpMessages();
    pasek->setValue(0);
    Odblokuj();
    pasek->setValue(0);
    setStatusPanel(QStringLiteral("Skanowanie przerwane..."));
}

void TForm7::limitReached() {
    ui::dialogs().showMessage(text(kLimitMessage));
    ZatrzymajClick();
    pasek->setValue(0);
}

void TForm7::ZamknijClick() {
    ui::BusyPointer cursor;
    setKomunikat(QStringLiteral("Wyzerowanie listy czekaj..."));
    model_->clear();
    pasek->setValue(0);
    usun->setEnabled(false);
    filtruj->setEnabled(false);
    edit_filtr->setEnabled(false);
    // setChecked runs each box's handler when its state changes, as a click would.
    skan_wszystkie->setChecked(false);
    szukaj_wszystkie->setChecked(true);
    podkatalogi->setChecked(true);
    setStatusPanel(text(kWaiting));
    setKomunikat(text(kWaiting));
    cursor.restore();
    close();
}

void TForm7::setDriveResource(char letter) {
    const QString root = QString(QChar(letter)) + QStringLiteral(":\\");
    Label1->setText(QStringLiteral("Wybrany zasób: Dysk ") + root);
    edytor->setText(root);
}

void TForm7::dysk_lokalClick() {
    siec->setEnabled(false);
    dysk->setEnabled(true);
    setDriveResource(dysk->drive());
}

void TForm7::dysk_siecClick() {
    siec->setEnabled(true);
    dysk->setEnabled(false);
}

void TForm7::dyskChange(char letter) {
    if (dysk->driveType(letter) == platform::DriveType::CdRom) {
        ui::dialogs().showMessage(text("Nie możesz usuwać śmieci z napędu CD-ROM"));
        // Back to C, which comes here again; when the CD-ROM is C itself nothing changes.
        dysk->setDrive('c');
        return;
    }
    if (dysk_lokal->isChecked())
        setDriveResource(letter);
}

void TForm7::setNetworkResource(const QString& path) {
    edytor->setText(path);
    Label1->setText(QStringLiteral("Wybrany zasób: ") + path);
}

void TForm7::skan_wszystkieClick() {
    if (skan_wszystkie->isChecked()) {
        skanuj2->show();
        skanuj->hide();
        Label1->setText(text("Wybrany zasób: Wszystkie dyski"));
    } else {
        skanuj2->hide();
        skanuj->show();
        setDriveResource(dysk->drive());
    }
}

// ---- The results ----

void TForm7::usunClick() {
    if (busy_)
        return;
    model_->flush();
    pasek->setMaximum(static_cast<int>(model_->size()));
    ui::BusyPointer cursor;
    setKomunikat(text("Proces usuwania śmieci..."));
    const int failures = cleaner::deleteListed(drives_, model_->results(), [this](std::size_t i) {
        pasek->setValue(static_cast<int>(i));
    });
    cursor.restore();
    usun->setEnabled(false);
    pasek->setValue(0);
    model_->clear();
    const QString summary = QStringLiteral("Znaleziono: ") + QString::number(znaleziono) +
                            text(" plików śmieci.  Nie udało się usunąć: ") +
                            QString::number(failures);
    setStatusPanel(summary);
    setKomunikat(summary);
}

void TForm7::filtrujClick() {
    if (busy_)
        return;
    if (edit_filtr->text().isEmpty()) {
        ui::dialogs().showMessage(
            text("Wpisz rozszerzenie pliku (trzy litwerową maskę) aby przefiltrować..."));
        edit_filtr->setFocus();
        return;
    }
    closePending_ = false;
    std::optional<BusyScope> busy(std::in_place, busy_);
    Zablokuj();
    Zatrzymaj->setEnabled(false); // a filter run cannot be stopped
    setStatusPanel(text("Filtrowanie plików. Czekaj..."));
    setKomunikat(text("Filtrowanie plików. Proszę czekać..."));
    ui::BusyPointer cursor;

    const std::string filter = edit_filtr->text().toStdString();
    model_->flush();
    startDisplay();
    for (std::size_t i = model_->results().size(); i-- > 0;) {
        if (!cleaner::filterKeeps(model_->results()[i].path(), filter)) {
            model_->removeLater(i);
            ui::pumpMessages();
        }
    }
    cursor.restore();
    ui::pumpMessages();
    stopDisplay();
    ListView1->viewport()->repaint();

    setStatusPanel(text("Znaleziono przefiltrowanych: ") + QString::number(model_->size()) +
                   text(" śmieci.  Rozmiar śmietnika: NIEZNANY"));
    setKomunikat(text("Filtrowanie plików zakończone"));
    busy.reset();
    Odblokuj();
    closeIfAsked();
}

void TForm7::ListView1Click() {
    const bool current = ListView1->currentIndex().isValid();
    usun_smiec->setEnabled(current);
    nie_usun->setEnabled(current);
}

void TForm7::usun_smiecClick() {
    const QModelIndex current = ListView1->currentIndex();
    if (!current.isValid() || busy_)
        return;
    const auto row = static_cast<std::size_t>(current.row());
    if (row >= model_->results().size())
        return;
    if (cleaner::deleteRow(drives_, model_->results()[row]))
        model_->removeRowAt(row);
}

void TForm7::nie_usunClick() {
    const QModelIndex current = ListView1->currentIndex();
    if (!current.isValid() || busy_)
        return;
    model_->removeRowAt(static_cast<std::size_t>(current.row()));
}
