// The main window's removal of the junk, its single-file commands, the failure list, the
// extension filter, the directory filter scan and emptying the trash.
#include "cleaner/junk/directory_filter.h"
#include "cleaner/junk/file_properties.h"
#include "cleaner/junk/junk_list_model.h"
#include "cleaner/junk/junk_removal.h"
#include "cleaner/junk/report_window.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "platform/shell.h"
#include "ui/application.h"
#include "ui/busy_pointer.h"
#include "ui/dialogs.h"
#include "ui/flat_menu.h"
#include "ui/icons.h"
#include "ui/message_pump.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>

namespace {

const QString kRemovalRemark =
    QStringLiteral("Plik używany przez System, program lub innego użytkownika...");
const QString kSingleFileRemark =
    QStringLiteral("Używany przez System, program lub innego użytkownika...");

} // namespace

void TForm1::buildRemoval() {
    emptyTrash_ = [] { platform::emptyTrash(); };

    junkPopup = new QMenu(this);
    oczysc_menu = junkPopup->addAction(QStringLiteral("Oczyść śmietnik"));
    junkPopup->addSeparator();
    smiecie_plik = junkPopup->addAction(QStringLiteral("Usuń wybrany plik"));
    smiecie_plik->setEnabled(false);
    nie_usuwaj_pl = junkPopup->addAction(QStringLiteral("Nie usuwaj wybranego pliku"));
    junkPopup->addSeparator();
    wlasciwosci = junkPopup->addAction(QStringLiteral("Właściwości pliku"));
    connect(oczysc_menu, &QAction::triggered, this, &TForm1::oczysc_menuClick);
    connect(smiecie_plik, &QAction::triggered, this, &TForm1::smiecie_plikClick);
    connect(nie_usuwaj_pl, &QAction::triggered, this, &TForm1::nie_usuwaj_plClick);
    connect(wlasciwosci, &QAction::triggered, this, &TForm1::wlasciwosciClick);
    ui::applyFlatMenuStyle(junkPopup);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        junkPopup->popup(ListView1->viewport()->mapToGlobal(pos));
    });
    connect(ListView1, &QAbstractItemView::clicked, this, &TForm1::ListView1Click);

    failurePopup = new QMenu(this);
    Czysc_liste = failurePopup->addAction(QStringLiteral("Czyść listę..."));
    connect(Czysc_liste, &QAction::triggered, this, &TForm1::Czysc_listeClick);
    ui::applyFlatMenuStyle(failurePopup);
    ListView2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView2, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        failurePopup->popup(ListView2->viewport()->mapToGlobal(pos));
    });

    // The extension filter row along the bottom of the junk list page.
    QWidget* page = pages->widget(podglad2);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Filtruj rozszerzenie (maska):"), page));
    edit_filtr = new QLineEdit(page);
    edit_filtr->setMaximumWidth(120);
    row->addWidget(edit_filtr);
    zastosuj_filtr = new QPushButton(QStringLiteral("<<- Zastosuj filtr"), page);
    row->addWidget(zastosuj_filtr);
    row->addStretch();
    static_cast<QBoxLayout*>(page->layout())->addLayout(row);
    connect(zastosuj_filtr, &QPushButton::clicked, this, &TForm1::zastosuj_filtrClick);
    // Enter in the edit filters and goes no further.
    connect(edit_filtr, &QLineEdit::returnPressed, this, &TForm1::zastosuj_filtrClick);
}

void TForm1::setReportFilesText(const QString& text) {
    lbl_plikow = text;
    if (windows_ && windows_->Raport) {
        windows_->Raport->lbl_plikow->setText(text);
        windows_->Raport->lbl_plikow->repaint();
    }
}

int TForm1::selectedJunkRow() const {
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TForm1::Usun_smietnik() {
    pages->setCurrentIndex(czysc);
    Usun1->setEnabled(false);
    ui::BusyPointer busy;
    setLabel1(QStringLiteral("Usuwanie śmieci. Czekaj..."));
    setPanel3(QStringLiteral("Usuwanie śmieci. Proszę czekać..."));
    setStatusPanel(1, QStringLiteral("Usuwanie plików..."));

    // No messages are pumped while deleting; the bar is repainted at display rate only.
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    cleaner::RemovalProgress progress;
    progress.listStarted = [this](int list, std::size_t count) {
        if (list > 1)
            pasek->setValue(0);
        pasek->setMaximum(static_cast<int>(count));
    };
    progress.tried = [&](std::size_t index) {
        if (sinceRepaint.elapsed() >= 50) {
            pasek->setValue(static_cast<int>(index));
            sinceRepaint.restart();
        }
    };
    const auto failed = cleaner::removeQueued(drives_, search_.paths(), progress);
    QList<QTreeWidgetItem*> failures;
    failures.reserve(static_cast<qsizetype>(failed.size()));
    for (const std::string& path : failed)
        failures.append(new QTreeWidgetItem({QString::fromStdString(path), kRemovalRemark}));
    ListView2->addTopLevelItems(failures);
    ui::pumpMessages();

    if (ostatnie->isChecked())
        platform::clearRecentDocuments();
    busy.restore();
    setStatusPanel(1, QStringLiteral("Zakończono usuwanie"));
    setStatusPanel(2, QStringLiteral("Rozmiar: 0 KB"));

    setLabel1(QStringLiteral("Czyszczenie list. Proszę czekać..."));
    junkModel_->clear();
    search_.paths().clear();
    pasek->setValue(0);
    setPanel3(QStringLiteral("Status..."));
    zapisz_date();
    setLabel1(QStringLiteral("Usuwanie śmieci. Zakończone"));
    ui::pumpMessages();

    const int failureCount = ListView2->topLevelItemCount();
    Panel2->setText(QStringLiteral("Nie udało się usunąć plików: ") +
                    QString::number(failureCount));
    if (raport2->isChecked() && windows_ && !windows_->kreator->isVisible()) {
        TRaport& report = *windows_->Raport;
        // A report still open from the last cleaning comes forward with this one's figures.
        const bool open = report.isVisible();
        report.show();
        if (open) {
            report.raise();
            report.FormActivate();
        }
    }
    if (failureCount > 0)
        pages->setCurrentIndex(bledy);
}

void TForm1::Usun1Click() {
    Usun_smietnik();
}

void TForm1::oczysc_menuClick() {
    if (junkModel_->size() > 0)
        Usun_smietnik();
}

void TForm1::ListView1Click() {
    smiecie_plik->setEnabled(selectedJunkRow() >= 0);
}

void TForm1::smiecie_plikClick() {
    const int row = selectedJunkRow();
    if (row < 0)
        return;
    const auto index = static_cast<std::size_t>(row);
    const std::string listed = junkModel_->fullPath(index);
    const auto result = cleaner::deleteRow(drives_, search_.paths(), index, listed);
    if (!result.error) {
        junkModel_->removeRowAt(index);
        setStatusPanel(1,
                       QStringLiteral("Znaleziono śmieci: ") + QString::number(junkModel_->size()));
        statusBar()->repaint();
        return;
    }
    ListView2->addTopLevelItem(
        new QTreeWidgetItem({QString::fromStdString(listed), kSingleFileRemark}));
    ui::dialogs().showMessage(QStringLiteral("Nie można usunąć pliku. Ponieważ plik używany jest "
                                             "przez System, program lub innego użytkownika..."));
}

void TForm1::nie_usuwaj_plClick() {
    const int row = selectedJunkRow();
    if (junkModel_->size() == 0 || row < 0)
        return;
    const auto index = static_cast<std::size_t>(row);
    // The row goes only together with its queued path, so a file kept out is never deleted.
    if (cleaner::keepRow(search_.paths(), index, junkModel_->fullPath(index)))
        junkModel_->removeRowAt(index);
}

void TForm1::Czysc_listeClick() {
    ListView2->clear();
}

void TForm1::wlasciwosciClick() {
    if (junkModel_->size() == 0 || selectedJunkRow() < 0 || !windows_)
        return;
    windows_->wlasciwosci_forma->exec();
}

void TForm1::kosz2Click() {
    const auto answer = ui::dialogs().messageBox(
        QStringLiteral("Czy napewno chcesz opróżnić kosz (wszystkie elementy które się tam "
                       "znajdują)?"),
        ui::applicationTitle(), ui::Buttons::YesNo, ui::Severity::Warning);
    if (answer != ui::Answer::Yes)
        return;
    setLabel1(QStringLiteral("Opróżnianie kosza Windows..."));
    if (emptyTrash_)
        emptyTrash_();
    setLabel1(QStringLiteral("Oczekiwanie..."));
}

void TForm1::FiltrujClick() {
    if (windows_)
        windows_->Form2->show();
}

void TForm1::zastosuj_filtrClick() {
    if (edit_filtr->text().isEmpty()) {
        ui::dialogs().showMessage(
            QStringLiteral("Wpisz rozszerzenie pliku (trzy litwerową maskę) aby przefiltrować..."));
        edit_filtr->setFocus();
        return;
    }
    ui::BusyPointer busy;
    Zastosowanie_filtrow();
    setStatusPanel(1, QStringLiteral("Znaleziono śmieci: ") + QString::number(junkModel_->size()));
    setStatusPanel(2, QStringLiteral("Rozmiar: Brak danych"));
    busy.restore();
    if (junkModel_->size() == 0)
        Usun1->setEnabled(false);
}

void TForm1::Zastosowanie_filtrow() {
    // The lists are filtered in memory in one go, with no pumping in between, so no command can
    // run while the junk list and the path lists disagree.
    junkModel_->flush();
    const auto dropped =
        cleaner::filterByExtension(search_.paths(), edit_filtr->text().toStdString());
    junkModel_->removeRows(dropped);
    ui::pumpMessages();
    ListView1->viewport()->repaint();
}

void TForm1::scanSelectedLocations(const std::vector<cleaner::Location>& picked,
                                   const std::function<void()>& hideFilter) {
    stopFlag_ = false;
    search_.reset();
    clock_ = {};
    czas2->setText(QStringLiteral("00:00:00"));
    Timer1->start();
    Ukryj_XP();
    Wyszukaj1->setEnabled(false);
    if (hideFilter)
        hideFilter();
    setStatusPanel(1, QStringLiteral("Wyszukiwanie śmieci..."));
    pages->setCurrentIndex(czysc);
    junkModel_->clear();
    ListView2->clear();
    setLabel1(QStringLiteral("Skanowanie wybranych katalogów. Czekaj..."));

    displayTimer_.start();
    for (const auto& location : picked)
        FileSearch(location.directory, location.mask, CheckBox1->isChecked());
    displayTimer_.stop();
    flushWalkDisplay();

    setLabel1(QStringLiteral("Skanowanie wybranych katalogów zakończone!"));
    if (junkModel_->size() == 0) {
        setLabel1(QStringLiteral("Skanowanie katalogów zakończone! BRAK ŚMIECI"));
        Pokaz_XP();
        Usun1->setEnabled(false);
    } else {
        Usun1->setEnabled(true);
        Wyszukaj1->setEnabled(true);
        pages->setCurrentIndex(podglad2);
        setLabel1(QStringLiteral("Skanowanie katalogów zakończone!"));
        Pokaz_XP();
    }
    const qint64 kilobytes = search_.totalKilobytes();
    setStatusPanel(1, QStringLiteral("Znaleziono śmieci: ") + QString::number(junkModel_->size()));
    setStatusPanel(2, QStringLiteral("Rozmiar: %1 KB/%2 MB").arg(kilobytes).arg(kilobytes / 1024));
    setPanel3(QStringLiteral("Skanowanie zakończone"));
    Timer1->stop();
}
