#include "cleaner/disk_scanner/disk_result_model.h"
#include "cleaner/disk_scanner/mask_zoom_window.h"
#include "cleaner/disk_scanner/scanner_window.h"
#include "cleaner/locations/folder_chooser.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/install_dir.h"
#include "common/text_file.h"
#include "support/sandbox.h"
#include "ui/dialogs.h"
#include "ui/drive_combo.h"
#include "ui/message_pump.h"
#include "ui/shell_folder_tree.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

class DiskScannerWindowTest : public testing::Test {
protected:
    void SetUp() override {
        c = sandbox.addDrive('c');
        d = sandbox.addDrive('d');
        e = sandbox.addDrive('e');
        platform::DriveTable drives = platform::DriveTable::load();
        drives.overrideDriveType('c', platform::DriveType::Fixed);
        drives.overrideDriveType('d', platform::DriveType::CdRom);
        drives.overrideDriveType('e', platform::DriveType::Fixed);
        windows = std::make_unique<ZelvikWindows>(drives);
        form = windows->Form7.get();
    }
    void TearDown() override { ui::setPumpHook({}); }

    // The listed paths, sorted (the walk lists a folder in the file system's order).
    std::vector<std::string> listed() const {
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < form->lista_pliki().size(); ++i)
            paths.push_back(form->lista_pliki()[i].path());
        std::sort(paths.begin(), paths.end());
        return paths;
    }
    QString cell(int row, int column) const {
        return form->resultModel().index(row, column).data().toString();
    }
    void selectRow(int row) {
        form->ListView1->setCurrentIndex(form->resultModel().index(row, 0));
        form->ListView1Click();
    }
    void scanDrive(char letter) {
        form->dysk->setDrive(letter);
        form->skanujClick();
    }
    std::vector<std::string> maskFile(const char* name) const {
        return common::readLines(common::dataFile(name));
    }

    Sandbox sandbox;
    fs::path c, d, e;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<ZelvikWindows> windows;
    TForm7* form = nullptr;
};

TEST_F(DiskScannerWindowTest, StartsWithTheShownDefaultsAndSavesTheLongerList) {
    EXPECT_EQ(form->windowTitle(), "Skaner dysków...");
    EXPECT_EQ(form->lista_maska->count(), 43);
    EXPECT_EQ(maskFile("maski.dat").size(), 47u);
    EXPECT_EQ(form->komunikat->text(), "Oczekiwanie:");
    EXPECT_EQ(form->statusPanel(), "Oczekiwanie...");
    EXPECT_EQ(form->Label1->text(), "Wybrany zasób: Oczekiwanie...");
    EXPECT_TRUE(form->edytor->text().isEmpty());
    EXPECT_FALSE(form->siec->isEnabled());
    EXPECT_FALSE(form->Zatrzymaj->isEnabled());
    EXPECT_FALSE(form->usun->isEnabled());
    EXPECT_FALSE(form->filtruj->isEnabled());
    EXPECT_TRUE(form->skanuj2->isHidden());
    EXPECT_TRUE(form->szukaj_wszystkie->isChecked());
    EXPECT_TRUE(form->podkatalogi->isChecked());

    // A restart reads the file.
    TForm7 again(form->drives());
    EXPECT_EQ(again.lista_maska->count(), 47);
}

TEST_F(DiskScannerWindowTest, OpensModallyFromTheMenuAndTheTaskPane) {
    TForm1& main = *windows->Form1;
    ASSERT_TRUE(main.Skanujdyski1);
    EXPECT_TRUE(main.Skanujdyski1->isEnabled());
    int opened = 0;
    const auto closeWhenShown = [&] {
        QTimer::singleShot(0, form, [&] {
            opened += QApplication::activeModalWidget() == form ? 1 : 0;
            form->ZamknijClick();
        });
    };
    closeWhenShown();
    main.Skanujdyski1->trigger();
    closeWhenShown();
    main.ItemClick(6);
    EXPECT_EQ(opened, 2);
}

TEST_F(DiskScannerWindowTest, ScanOfADriveListsMatchesWithTotalsAndTexts) {
    Sandbox::writeFile(e / "a.tmp", std::string(1023, 'x'));
    Sandbox::writeFile(e / "sub/b.log", std::string(2047 * 1024 + 1, 'x'));
    Sandbox::writeFile(e / "sub/REPORT.TMP", "");
    Sandbox::writeFile(e / "keep.txt", "");

    form->dysk->setDrive('e');
    EXPECT_EQ(form->Label1->text(), "Wybrany zasób: Dysk e:\\");
    EXPECT_EQ(form->edytor->text(), "e:\\");
    form->skanujClick();

    EXPECT_EQ(listed(), (std::vector<std::string>{"e:\\a.tmp", "e:\\sub\\b.log"}));
    ASSERT_EQ(form->resultModel().rowCount(), 2);
    const int sub = cell(0, 1) == "b.log" ? 0 : 1;
    EXPECT_EQ(cell(sub, 0), "e:\\sub\\");
    EXPECT_EQ(cell(sub, 3), "2047 KB");
    EXPECT_EQ(cell(1 - sub, 3), "0 KB");
    EXPECT_EQ(form->resultModel().headerData(2, Qt::Horizontal, Qt::DisplayRole), "Modyfikowany");
    EXPECT_EQ(form->statusPanel(), "Znaleziono: 2 śmieci.  Rozmiar śmietnika: 2047 KB / 1 MB");
    EXPECT_EQ(form->komunikat->text(), "Skanowanie zakonczone...");
    EXPECT_EQ(form->znaleziono, 2);
    EXPECT_FALSE(form->Zatrzymaj->isEnabled());
    for (QWidget* control : std::initializer_list<QWidget*>{
             form->usun, form->Zamknij, form->skanuj, form->filtruj, form->edit_filtr,
             form->lista_maska, form->dysk, form->siec, form->bezpieczny})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_EQ(form->pasek->value(), 0);
}

TEST_F(DiskScannerWindowTest, ControlsAreLockedWhileTheWalkRunsAndASecondScanCannotStart) {
    Sandbox::writeFile(e / "a.tmp", "");
    Sandbox::writeFile(e / "b.tmp", "");
    bool checked = false;
    ui::setPumpHook([&] {
        if (checked)
            return;
        checked = true;
        EXPECT_TRUE(form->Zatrzymaj->isEnabled());
        for (QWidget* control : std::initializer_list<QWidget*>{
                 form->usun, form->Zamknij, form->skanuj, form->lista_maska, form->podkatalogi,
                 form->skan_wszystkie, form->szukaj_wszystkie, form->dysk, form->dysk_lokal,
                 form->dysk_siec, form->siec, form->rejestr_nowe, form->filtruj, form->edit_filtr,
                 form->bezpieczny})
            EXPECT_FALSE(control->isEnabled());
        form->skanujClick(); // ignored: the walk is still running
    });
    scanDrive('e');
    EXPECT_TRUE(checked);
    EXPECT_EQ(form->lista_pliki().size(), 2u);
}

TEST_F(DiskScannerWindowTest, ScanThatFindsNothingKeepsTheDriveText) {
    Sandbox::writeFile(e / "keep.txt", "");
    scanDrive('e');
    EXPECT_EQ(form->statusPanel(), "Skanowanie dysku [e:\\]");
    EXPECT_EQ(form->komunikat->text(), "Skanowanie zakonczone...");
    EXPECT_FALSE(form->usun->isEnabled());
}

TEST_F(DiskScannerWindowTest, SelectedMasksScanOnlyThoseAndNeedAResource) {
    Sandbox::writeFile(c / "a.tmp", "");
    Sandbox::writeFile(c / "b.log", "");
    form->szukaj_wszystkie->setChecked(false);
    EXPECT_TRUE(form->lista_maska->item(0)->isSelected()); // *.TMP
    EXPECT_TRUE(form->Zaznaczone());

    form->skanujClick();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0],
              "Zaznacz na liście typ maski (rozszerzenie) do przeskanowania dysku lub zasób "
              "sieciowy lub wybierz dysk...\nNie wybrano żadnego zasobu");
    EXPECT_EQ(form->komunikat->text(), "Skanowanie zakonczone...");
    EXPECT_EQ(form->lista_pliki().size(), 0u);

    form->dysk_lokalClick();
    form->skanujClick();
    EXPECT_EQ(listed(), std::vector<std::string>{"c:\\a.tmp"});
    EXPECT_EQ(form->maska_tmp.entries()[0], "*.tmp");
    EXPECT_EQ(form->maska_tmp.entries()[1], "*.*");

    // Back to all masks: the selection is dropped.
    form->szukaj_wszystkie->setChecked(true);
    EXPECT_FALSE(form->Zaznaczone());
}

TEST_F(DiskScannerWindowTest, AllMasksBeforeAnyChoiceWalkTheCurrentDrive) {
    Sandbox::writeFile(c / "a.tmp", "");
    form->skanujClick();
    EXPECT_EQ(listed(), std::vector<std::string>{"c:\\a.tmp"});
}

TEST_F(DiskScannerWindowTest, ACdRomCannotBeChosen) {
    form->dysk->setDrive('e');
    form->dysk->setDrive('d');
    EXPECT_EQ(dialogs.shown, QStringList{"Nie możesz usuwać śmieci z napędu CD-ROM"});
    EXPECT_EQ(form->dysk->drive(), 'c');
    EXPECT_EQ(form->Label1->text(), "Wybrany zasób: Dysk c:\\");
    EXPECT_EQ(form->edytor->text(), "c:\\");
}

TEST_F(DiskScannerWindowTest, AllDrivesScanSkipsTheCdRomAndCountsOverTheDrives) {
    Sandbox::writeFile(c / "a.tmp", std::string(3 * 1024, 'x'));
    Sandbox::writeFile(d / "cd.tmp", "");
    Sandbox::writeFile(e / "x/e.bak", std::string(2 * 1024, 'x'));
    form->skan_wszystkie->setChecked(true);
    EXPECT_TRUE(form->skanuj->isHidden());
    EXPECT_FALSE(form->skanuj2->isHidden());
    EXPECT_EQ(form->Label1->text(), "Wybrany zasób: Wszystkie dyski");

    form->skanuj2Click();
    // Roots come from the drive box's entries, whose letters are lower case.
    EXPECT_EQ(listed(), (std::vector<std::string>{"c:\\a.tmp", "e:\\x\\e.bak"}));
    const QString summary = "Znaleziono: 2 śmieci.  Rozmiar śmietnika: 5 KB / 0 MB";
    EXPECT_EQ(form->statusPanel(), summary);
    EXPECT_EQ(form->komunikat->text(), summary);
    EXPECT_TRUE(form->skanuj2->isEnabled());
    EXPECT_FALSE(form->Zatrzymaj->isEnabled());
    EXPECT_EQ(form->pasek->value(), 0);
    EXPECT_EQ(form->edytor->text(), "e:\\");
}

TEST_F(DiskScannerWindowTest, AllDrivesScanThatFindsNothingShowsZeroTotals) {
    form->skan_wszystkie->setChecked(true);
    form->skanuj2Click();
    EXPECT_EQ(form->statusPanel(), "Znaleziono: 0 śmieci.  Rozmiar śmietnika: 0 KB / 0 MB");

    // Selected masks need a selection and a chosen resource.
    form->szukaj_wszystkie->setChecked(false);
    form->lista_maska->clearSelection();
    form->skanuj2Click();
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(form->skanuj2->isEnabled());
    EXPECT_FALSE(form->Zatrzymaj->isEnabled());
}

TEST_F(DiskScannerWindowTest, StopEndsASingleScanWithItsSummary) {
    for (int i = 0; i < 20; ++i)
        Sandbox::writeFile(e / ("f" + std::to_string(i) + ".tmp"), "");
    ui::setPumpHook([&] {
        if (form->resultModel().size() == 3 && !form->zatrzymano)
            form->ZatrzymajClick();
    });
    scanDrive('e');
    EXPECT_EQ(form->lista_pliki().size(), 3u);
    EXPECT_EQ(form->statusPanel(), "Znaleziono: 3 śmieci.  Rozmiar śmietnika: 0 KB / 0 MB");
    EXPECT_TRUE(form->usun->isEnabled());
    EXPECT_FALSE(form->Zatrzymaj->isEnabled());
}

TEST_F(DiskScannerWindowTest, StopEndsTheAllDrivesScanWithoutASummary) {
    for (int i = 0; i < 20; ++i)
        Sandbox::writeFile(c / ("f" + std::to_string(i) + ".tmp"), "");
    Sandbox::writeFile(e / "e.tmp", "");
    form->skan_wszystkie->setChecked(true);
    ui::setPumpHook([&] {
        if (form->resultModel().size() == 2 && !form->zatrzymano)
            form->ZatrzymajClick();
    });
    form->skanuj2Click();
    EXPECT_EQ(form->lista_pliki().size(), 2u);
    EXPECT_EQ(form->statusPanel(), "Skanowanie przerwane...");
    EXPECT_TRUE(form->skanuj2->isEnabled());
}

// Closing by the title bar mid-walk must not hide the window with the walk still running.
TEST_F(DiskScannerWindowTest, ClosingDuringAScanStopsItAndClosesWhenItHasEnded) {
    for (int i = 0; i < 20; ++i) {
        Sandbox::writeFile(c / ("c" + std::to_string(i) + ".tmp"), "");
        Sandbox::writeFile(e / ("e" + std::to_string(i) + ".tmp"), "");
    }
    for (const bool allDrives : {false, true}) {
        SCOPED_TRACE(allDrives ? "all drives" : "one drive");
        form->skan_wszystkie->setChecked(allDrives);
        form->show();
        bool shownAfterClose = false;
        ui::setPumpHook([&] {
            if (form->resultModel().size() == 3 && !form->zatrzymano) {
                form->close();
                shownAfterClose = form->isVisible();
            }
        });
        if (allDrives)
            form->skanuj2Click();
        else
            scanDrive('e');
        ui::setPumpHook({});
        EXPECT_TRUE(shownAfterClose);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->lista_pliki().size(), 3u);
        // Unlocked for the next opening.
        EXPECT_TRUE(form->Zamknij->isEnabled());
        EXPECT_FALSE(form->Zatrzymaj->isEnabled());
        EXPECT_TRUE(form->dysk->isEnabled());
    }
}

TEST_F(DiskScannerWindowTest, TheMatchLimitStopsTheScanAndKeepsTheFilesBeforeIt) {
    for (int dir = 0; dir < 33; ++dir) {
        const fs::path folder = e / ("d" + std::to_string(dir));
        fs::create_directories(folder);
        for (int i = 0; i < 1000; ++i)
            std::ofstream(folder / (std::to_string(i) + ".tmp"));
    }
    scanDrive('e');
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0],
              "UWAGA: Została przekroczona wartość maksymalna indeksu: 32735 plików śmietnika "
              "(BARDZO DUŻO ŚMIECI)\nZe względu, że znaleziono więcej śmieci zalecane jest ich "
              "usunięcie i ponowne uruchomienie modułu\nUsuń śmieci i ponów próbę");
    EXPECT_EQ(form->lista_pliki().size(), 32734u);
    EXPECT_EQ(form->znaleziono, 32734);
    EXPECT_EQ(form->scan().licznik(), 0);
    EXPECT_EQ(form->statusPanel(), "Znaleziono: 32734 śmieci.  Rozmiar śmietnika: 0 KB / 0 MB");
    EXPECT_TRUE(form->usun->isEnabled());
}

TEST_F(DiskScannerWindowTest, FilterKeepsOneExtensionAndDeleteAllCountsFailures) {
    Sandbox::writeFile(e / "a.tmp", "");
    Sandbox::writeFile(e / "b.tmp", "");
    Sandbox::writeFile(e / "d.log", "");
    Sandbox::writeFile(e / "y.~pas", "");
    scanDrive('e');
    ASSERT_EQ(form->lista_pliki().size(), 4u);

    form->filtrujClick();
    EXPECT_EQ(dialogs.shown,
              QStringList{"Wpisz rozszerzenie pliku (trzy litwerową maskę) aby przefiltrować..."});

    form->edit_filtr->setText("tmp");
    form->filtrujClick();
    EXPECT_EQ(listed(), (std::vector<std::string>{"e:\\a.tmp", "e:\\b.tmp"}));
    EXPECT_EQ(form->resultModel().rowCount(), 2);
    EXPECT_EQ(form->statusPanel(),
              "Znaleziono przefiltrowanych: 2 śmieci.  Rozmiar śmietnika: NIEZNANY");
    EXPECT_EQ(form->komunikat->text(), "Filtrowanie plików zakończone");
    EXPECT_TRUE(form->usun->isEnabled());
    EXPECT_FALSE(form->Zatrzymaj->isEnabled());

    fs::permissions(e / "b.tmp", fs::perms::owner_read); // deleting it fails, as on Windows
    form->usunClick();
    EXPECT_FALSE(fs::exists(e / "a.tmp"));
    EXPECT_TRUE(fs::exists(e / "b.tmp"));
    EXPECT_TRUE(fs::exists(e / "d.log"));
    EXPECT_EQ(form->lista_pliki().size(), 0u);
    EXPECT_EQ(form->resultModel().rowCount(), 0);
    const QString summary = "Znaleziono: 4 plików śmieci.  Nie udało się usunąć: 1";
    EXPECT_EQ(form->statusPanel(), summary);
    EXPECT_EQ(form->komunikat->text(), summary);
    EXPECT_FALSE(form->usun->isEnabled());
}

TEST_F(DiskScannerWindowTest, AFilterOfAnotherLengthRemovesEveryRow) {
    Sandbox::writeFile(e / "a.tmp", "");
    scanDrive('e');
    form->edit_filtr->setText("TMP");
    form->filtrujClick();
    EXPECT_EQ(form->lista_pliki().size(), 0u);
    EXPECT_EQ(form->statusPanel(),
              "Znaleziono przefiltrowanych: 0 śmieci.  Rozmiar śmietnika: NIEZNANY");
}

TEST_F(DiskScannerWindowTest, SingleRowCommandsDeleteOrDropOneRow) {
    Sandbox::writeFile(e / "a.tmp", "");
    Sandbox::writeFile(e / "b.tmp", "");
    Sandbox::writeFile(e / "c.tmp", "");
    scanDrive('e');
    EXPECT_FALSE(form->usun_smiec->isEnabled());

    const auto nameAt = [&](int row) { return e / cell(row, 1).toStdString(); };
    selectRow(0);
    EXPECT_TRUE(form->usun_smiec->isEnabled());
    EXPECT_TRUE(form->nie_usun->isEnabled());
    const fs::path dropped = nameAt(0);
    form->nie_usunClick();
    EXPECT_TRUE(fs::exists(dropped));
    ASSERT_EQ(form->lista_pliki().size(), 2u);

    selectRow(1);
    const fs::path locked = nameAt(1);
    fs::permissions(locked, fs::perms::owner_read);
    form->usun_smiecClick(); // fails: the row stays, nothing is said
    EXPECT_EQ(form->lista_pliki().size(), 2u);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    selectRow(0);
    const fs::path deleted = nameAt(0);
    form->usun_smiecClick();
    EXPECT_FALSE(fs::exists(deleted));
    ASSERT_EQ(form->lista_pliki().size(), 1u);
    EXPECT_EQ(form->lista_pliki()[0].name, locked.filename().string());
    EXPECT_EQ(cell(0, 1).toStdString(), locked.filename().string());
}

TEST_F(DiskScannerWindowTest, ZamknijClearsTheResultsAndResetsTheOptions) {
    Sandbox::writeFile(e / "a.tmp", "");
    form->dysk->setDrive('e');
    form->podkatalogi->setChecked(false);
    form->skan_wszystkie->setChecked(true);
    form->bezpieczny->setChecked(true);
    form->szukaj_wszystkie->setChecked(false); // selects *.TMP
    form->skanuj2Click();
    ASSERT_EQ(form->lista_pliki().size(), 1u);

    form->ZamknijClick();
    EXPECT_EQ(form->lista_pliki().size(), 0u);
    EXPECT_EQ(form->resultModel().rowCount(), 0);
    EXPECT_FALSE(form->usun->isEnabled());
    EXPECT_FALSE(form->filtruj->isEnabled());
    EXPECT_FALSE(form->edit_filtr->isEnabled());
    EXPECT_FALSE(form->skan_wszystkie->isChecked());
    EXPECT_TRUE(form->skanuj2->isHidden());
    EXPECT_TRUE(form->szukaj_wszystkie->isChecked());
    EXPECT_TRUE(form->podkatalogi->isChecked());
    EXPECT_TRUE(form->bezpieczny->isChecked()); // the restricted set stays
    EXPECT_EQ(form->Label1->text(), "Wybrany zasób: Dysk e:\\");
    EXPECT_EQ(form->statusPanel(), "Oczekiwanie...");
    EXPECT_EQ(form->komunikat->text(), "Oczekiwanie...");
}

TEST_F(DiskScannerWindowTest, ANetworkShareIsWalkedAndAnUnreachableOneAddsNothing) {
    form->dysk_siec->setChecked(true);
    EXPECT_TRUE(form->siec->isEnabled());
    EXPECT_FALSE(form->dysk->isEnabled());
    form->setNetworkResource("\\\\serwer\\dane");
    EXPECT_EQ(form->Label1->text(), "Wybrany zasób: \\\\serwer\\dane");
    form->skanujClick();
    EXPECT_EQ(form->lista_pliki().size(), 0u);
    EXPECT_EQ(form->statusPanel(), "Skanowanie dysku [c:\\]");
    EXPECT_EQ(form->komunikat->text(), "Skanowanie zakonczone...");

    // Back to the local drive: the drive named in the label is scanned, not the share.
    Sandbox::writeFile(c / "a.tmp", "");
    form->dysk_lokal->setChecked(true);
    EXPECT_EQ(form->Label1->text(), "Wybrany zasób: Dysk c:\\");
    form->skanujClick();
    EXPECT_EQ(listed(), std::vector<std::string>{"c:\\a.tmp"});
}

TEST_F(DiskScannerWindowTest, PokazSiecLanChoosesAShareInTheNetworkModeOfTheFolderChooser) {
    form->dysk_siec->setChecked(true);
    form->dysk->setDrive('e');
    // The chooser answers as the user would: a share picked and confirmed, then a cancel.
    const auto answerChooser = [&](const QString& share) {
        QTimer::singleShot(0, form, [&, share] {
            auto* chooser = qobject_cast<TFormy*>(QApplication::activeModalWidget());
            if (!chooser) {
                ADD_FAILURE() << "the folder chooser is not the modal window";
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
                return;
            }
            EXPECT_EQ(chooser->Edit1->text(), "2");
            EXPECT_EQ(chooser->katalogi->root(), ui::ShellFolderTree::Root::Network);
            if (share.isEmpty()) {
                chooser->AnulujClick();
                return;
            }
            chooser->wybrany->setText(share);
            chooser->OKClick();
        });
    };
    answerChooser("\\\\serwer\\dane");
    form->siecClick();
    EXPECT_EQ(form->edytor->text(), "\\\\serwer\\dane");
    EXPECT_EQ(form->Label1->text(), "Wybrany zasób: \\\\serwer\\dane");

    answerChooser(QString());
    form->siecClick();
    EXPECT_EQ(form->edytor->text(), "\\\\serwer\\dane");
}

TEST_F(DiskScannerWindowTest, ADriveMappedToTheHostRootNeverEntersProcOrSys) {
    sandbox.addDrive('r', "/");
    platform::DriveTable drives = platform::DriveTable::load();
    TForm7 scanner(drives);
    // No mask selected: every file is examined, none matches, nothing is touched.
    scanner.szukaj_wszystkie->setChecked(false);
    scanner.lista_maska->clearSelection();
    scanner.dysk->setDrive('r');
    ASSERT_EQ(scanner.edytor->text(), "r:\\");

    // Stops once the walk has passed both /proc and /sys (their names are shown before the walk
    // tries them), or after a bounded number of files wherever the host lists them.
    int examined = 0;
    QString last;
    std::vector<std::string> inside;
    bool passedProc = false, passedSys = false;
    ui::setPumpHook([&] {
        scanner.flushScanDisplay();
        const QString text = scanner.komunikat->text();
        if (text == last || scanner.zatrzymano)
            return;
        const bool leftProc = last == "r:\\proc", leftSys = last == "r:\\sys";
        last = text;
        if (text.startsWith("r:\\proc\\") || text.startsWith("r:\\sys\\"))
            inside.push_back(text.toStdString());
        passedProc = passedProc || leftProc;
        passedSys = passedSys || leftSys;
        if (++examined == 2000 || (passedProc && passedSys))
            scanner.ZatrzymajClick();
    });
    scanner.skanujClick();
    EXPECT_GE(examined, 100);
    EXPECT_TRUE(inside.empty()) << inside.front();
    EXPECT_EQ(scanner.lista_pliki().size(), 0u);
}

TEST_F(DiskScannerWindowTest, MasksAreAddedAndRemovedInTheSetInUse) {
    dialogs.nextInput = "doc";
    form->rejestr_noweClick();
    EXPECT_EQ(form->lista_maska->item(43)->text(), "*.DOC");
    // The first save after the defaults writes the list (maski.dat exists by now).
    EXPECT_EQ(maskFile("maski.dat").back(), "*.DOC");
    dialogs.nextInput = "x";
    form->rejestr_noweClick();
    dialogs.nextInput.reset();
    form->rejestr_noweClick();
    EXPECT_EQ(form->lista_maska->count(), 44);

    form->bezpieczny->setChecked(true);
    EXPECT_EQ(form->tryb_okrojony, 1);
    EXPECT_EQ(form->lista_maska->count(), 16);
    EXPECT_EQ(maskFile("maski2.dat").size(), 19u);
    dialogs.nextInput = "Db";
    form->rejestr_nowe2->trigger();
    EXPECT_EQ(maskFile("maski2.dat").back(), "*.DB");
    EXPECT_EQ(maskFile("maski.dat").size(), 44u);

    // Removal: No changes nothing, Yes removes the current mask.
    Sandbox::writeFile(common::dataFile("maski2.dat"), "*.ZZZ\r\n");
    form->lista_maska->setCurrentRow(0);
    form->lista_maskaClick();
    EXPECT_TRUE(form->usun_maske->isEnabled());
    dialogs.nextAnswer = ui::Answer::No;
    form->usun_maskeClick();
    EXPECT_EQ(maskFile("maski2.dat"), std::vector<std::string>{"*.ZZZ"});
    dialogs.nextAnswer = ui::Answer::Yes;
    form->usun_maskeClick();
    EXPECT_EQ(form->lista_maska->count(), 16);
    EXPECT_EQ(form->lista_maska->item(0)->text(), "*.BAK");
    EXPECT_EQ(maskFile("maski2.dat").front(), "*.BAK");

    form->bezpieczny->setChecked(false);
    EXPECT_EQ(form->lista_maska->count(), 44);
}

TEST_F(DiskScannerWindowTest, AnEmptyMaskListDisablesScanningAtActivation) {
    Sandbox::writeFile(common::dataFile("maski.dat"), "");
    form->Odczyt_maski();
    EXPECT_EQ(form->lista_maska->count(), 0);
    form->FormActivate();
    EXPECT_FALSE(form->skanuj->isEnabled());
    EXPECT_FALSE(form->skanuj2->isEnabled());
}

TEST_F(DiskScannerWindowTest, ZoomWindowEditsTheScannersMasks) {
    TForm14& zoom = *windows->Form14;
    EXPECT_EQ(zoom.windowTitle(), "Maski powiększenie...");
    form->szukaj_wszystkie->setChecked(false);
    zoom.FormActivate();
    EXPECT_EQ(zoom.ListBox1->count(), 43);
    EXPECT_EQ(zoom.statusPanel(), "Zapisanych masek: 43");
    EXPECT_TRUE(zoom.ListBox1->item(0)->isSelected());
    EXPECT_FALSE(zoom.Usun->isEnabled());

    // The selection made here is the scan's.
    zoom.ListBox1->setCurrentRow(2);
    zoom.ListBox1->item(2)->setSelected(true);
    zoom.ListBox1Click();
    EXPECT_TRUE(zoom.Usun->isEnabled());
    EXPECT_TRUE(form->lista_maska->item(2)->isSelected());

    dialogs.nextInput = "htm";
    zoom.DodajClick();
    EXPECT_EQ(form->lista_maska->item(43)->text(), "*.HTM");
    EXPECT_EQ(zoom.statusPanel(), "Zapisanych masek: 44");
    EXPECT_EQ(maskFile("maski.dat").back(), "*.HTM");

    // No still saves the list in use.
    Sandbox::writeFile(common::dataFile("maski.dat"), "*.ZZZ\r\n");
    dialogs.nextAnswer = ui::Answer::No;
    zoom.UsunClick();
    EXPECT_EQ(maskFile("maski.dat").size(), 44u);
    dialogs.nextAnswer = ui::Answer::Yes;
    zoom.ListBox1->setCurrentRow(0);
    zoom.UsunClick();
    EXPECT_EQ(form->lista_maska->count(), 43);
    EXPECT_EQ(form->lista_maska->item(0)->text(), "*.BAK");
    EXPECT_EQ(zoom.statusPanel(), "Zapisanych masek: 43");

    zoom.ZamknijClick();
    EXPECT_EQ(zoom.ListBox1->count(), 0);
}
