#include "cleaner/junk/junk_list_model.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/install_dir.h"
#include "removal_fixture.h"
#include "support/sandbox.h"
#include "ui/dialogs.h"
#include "ui/message_pump.h"
#include "ui/task_pane.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

// The main window over a configured sandbox, as the removal tests use it.
class MainWindowTest : public JunkWindowTest {};

TEST_F(MainWindowTest, FirstStartCreatesTheFilesAndShowsTheDefaults) {
    EXPECT_EQ(Sandbox::readFile(common::dataFile("data.dat")), "JESZCZE NIE CZYSZCZONO\r\n");
    // A Linux host works with the XP list.
    EXPECT_EQ(form->lista->count(), 6);
    EXPECT_TRUE(fs::exists(common::dataFile("lista_XP.dat")));
    EXPECT_TRUE(form->lbl_so->text().startsWith("Twój system operacyjny: [Linux] "));
    EXPECT_TRUE(form->lbl_user->text().startsWith("Zalogowany użytkownik: "));

    EXPECT_EQ(pane(0, 0), "Szukaj śmieci");
    EXPECT_EQ(pane(0, 1), "");
    EXPECT_EQ(pane(1, 0), "");
    EXPECT_EQ(pane(3, 0), "ZAMKNIJ");
    EXPECT_EQ(form->taskPane->progressMaximum(1, 1), 6);
    EXPECT_FALSE(form->konf1->isEnabled());
    EXPECT_FALSE(form->SpeedButton1->isEnabled());
}

TEST_F(MainWindowTest, ActivationLoadsTheOptionsAndUnsavedChangesFallBack) {
    Sandbox::writeFile(common::dataFile("ust.dat"), "1\r\n0\r\n1\r\n0\r\n");
    form->FormActivate();
    EXPECT_TRUE(form->CheckBox1->isChecked());
    EXPECT_FALSE(form->ostatnie->isChecked());
    EXPECT_TRUE(form->indeks->isChecked());
    EXPECT_FALSE(form->raport2->isChecked());
    EXPECT_TRUE(form->konf1->isEnabled());

    form->ostatnie->setChecked(true);
    form->FormActivate();
    EXPECT_FALSE(form->ostatnie->isChecked());
}

TEST_F(MainWindowTest, SavingOptionsWithoutUstDatTicksAllFourAtTheNextActivation) {
    form->CheckBox1->setChecked(false);
    form->konf1Click();
    EXPECT_FALSE(form->konf1->isEnabled());
    form->FormActivate();
    for (QCheckBox* box : {form->CheckBox1, form->ostatnie, form->indeks, form->raport2})
        EXPECT_TRUE(box->isChecked());
}

TEST_F(MainWindowTest, SearchFillsTheJunkListWithItsTexts) {
    Sandbox::writeFile(c / "temp/a.tmp", std::string(2048, 'x'));
    Sandbox::writeFile(c / "temp/sub/b.tmp", std::string(1536 * 1024 - 2048, 'x'));
    Sandbox::writeFile(c / "temp/keep.txt", "x");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->CheckBox1->setChecked(true);

    form->Skaner_smieci();

    ASSERT_EQ(form->junkList().rowCount(), 2);
    const auto cell = [&](int row, int column) {
        return form->junkList().index(row, column).data().toString();
    };
    EXPECT_EQ(cell(0, 0), "C:\\TEMP\\");
    EXPECT_EQ(cell(0, 1), "a.tmp");
    EXPECT_EQ(cell(0, 3), "2 KB");
    EXPECT_EQ(cell(1, 0), "C:\\TEMP\\sub\\");
    EXPECT_EQ(form->Label1->text(), "Skanowanie katalogów zakończone!");
    EXPECT_EQ(form->statusPanel(1), "Znaleziono śmieci: 2");
    EXPECT_EQ(form->statusPanel(2), "Rozmiar: 1536 KB/1 MB");
    EXPECT_EQ(form->Panel3->text(), "Skanowanie zakończone");
    EXPECT_EQ(form->lbl_plikow, "W sumie znaleziono śmieci: 2");
    EXPECT_EQ(form->pages->currentIndex(), TForm1::podglad2);
    EXPECT_EQ(form->Ikona1->toolTip(), "[Zelvik] BRUDEX [Znaleziono: 2 śmieci]");
    EXPECT_EQ(form->windowTitle(), "[Zelvik] BRUDEX 2.6");
    EXPECT_TRUE(form->Usun1->isEnabled());
    EXPECT_TRUE(form->Zamknij1->isEnabled());
    EXPECT_EQ(pane(0, 0), "Szukaj śmieci");
    EXPECT_EQ(pane(0, 1), "Oczyść śmietnik");
    EXPECT_EQ(pane(1, 0), "");
    EXPECT_EQ(pane(3, 0), "ZAMKNIJ");
    // The stop button stays enabled after a normal end.
    EXPECT_TRUE(form->SpeedButton1->isEnabled());
}

TEST_F(MainWindowTest, EmptyLocationListFindsNothing) {
    setLocations({});
    form->Skaner_smieci();
    EXPECT_EQ(form->Label1->text(), "Skanowanie katalogów zakończone! BRAK ŚMIECI");
    EXPECT_EQ(form->statusPanel(1), "Znaleziono śmieci: 0");
    EXPECT_EQ(form->statusPanel(2), "Rozmiar: 0 KB/0 MB");
    EXPECT_EQ(form->lbl_plikow, "W sumie znaleziono śmieci: NIE ZNALEZIONO");
    EXPECT_EQ(pane(0, 1), "");
    EXPECT_FALSE(form->Usun1->isEnabled());
}

TEST_F(MainWindowTest, DuringASearchTheWindowShowsItsSearchingLook) {
    Sandbox::writeFile(c / "temp/a.tmp", "x");
    setLocations({{"C:\\Temp\\", "*.tmp"}});
    bool checked = false;
    ui::setPumpHook([&] {
        if (checked || form->junkList().size() == 0)
            return;
        checked = true;
        EXPECT_EQ(pane(0, 0), "");
        EXPECT_EQ(pane(1, 0), "ZATRZYMAJ");
        EXPECT_EQ(pane(3, 0), "");
        EXPECT_FALSE(form->Zamknij1->isEnabled());
        EXPECT_FALSE(form->tray_zamknij->isEnabled());
        EXPECT_EQ(form->windowTitle(), "[Zelvik] BRUDEX 2.6  [Skanowanie...]");
        EXPECT_EQ(form->Ikona1->toolTip(), "[Zelvik] BRUDEX [Skanowanie...]");
    });
    form->Skaner_smieci();
    EXPECT_TRUE(checked);
}

TEST_F(MainWindowTest, StopDuringAnEarlierLocationKeepsTheRowsFoundSoFar) {
    for (int i = 0; i < 20; ++i)
        Sandbox::writeFile(c / "one" / ("f" + std::to_string(i) + ".tmp"), "x");
    Sandbox::writeFile(c / "two/g.tmp", "x");
    setLocations({{"C:\\one\\", "*.tmp"}, {"C:\\two\\", "*.tmp"}});
    bool pressed = false;
    ui::setPumpHook([&] {
        if (form->junkList().size() == 3 && !pressed) {
            pressed = true;
            form->SpeedButton1Click();
        }
    });
    form->Skaner_smieci();

    EXPECT_EQ(form->junkList().size(), 3u);
    EXPECT_EQ(form->search().paths().totalSize(), 3u);
    EXPECT_EQ(form->Label1->text(), "Skanowanie zatrzymane przez użytkownika!");
    EXPECT_EQ(form->statusPanel(1), "Skanowanie zatrzymane...");
    EXPECT_EQ(form->Panel3->text(), "Operacja zatrzymania...");
    EXPECT_EQ(pane(0, 0), "Szukaj smieci");
    EXPECT_EQ(pane(0, 1), "Oczyść śmietnik");
    EXPECT_FALSE(form->SpeedButton1->isEnabled());
}

TEST_F(MainWindowTest, StopDuringTheLastLocationStillEndsWithTheSummary) {
    for (int i = 0; i < 5; ++i)
        Sandbox::writeFile(c / "one" / ("f" + std::to_string(i) + ".tmp"), "x");
    setLocations({{"C:\\one\\", "*.tmp"}});
    bool pressed = false;
    ui::setPumpHook([&] {
        if (form->junkList().size() == 2 && !pressed) {
            pressed = true;
            form->SpeedButton1Click();
        }
    });
    form->Skaner_smieci();
    EXPECT_EQ(form->junkList().size(), 2u);
    EXPECT_EQ(form->Label1->text(), "Skanowanie katalogów zakończone!");
    EXPECT_EQ(form->statusPanel(1), "Znaleziono śmieci: 2");
}

TEST_F(MainWindowTest, ANewSearchEmptiesTheFailureList) {
    new QTreeWidgetItem(form->ListView2, QStringList{"C:\\x", "uwaga"});
    setLocations({});
    form->Skaner_smieci();
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
}

TEST_F(MainWindowTest, TheTaskPaneStartsTheSearch) {
    Sandbox::writeFile(c / "temp/a.tmp", "x");
    setLocations({{"C:\\Temp\\", "*.tmp"}});
    form->taskPane->clickItem(0, 0);
    EXPECT_EQ(form->junkList().size(), 1u);
}

TEST_F(MainWindowTest, WithoutUstDatTheBoxesStartUntickedAndUnsavedTicksFallBack) {
    form->FormActivate();
    for (QCheckBox* box : {form->CheckBox1, form->ostatnie, form->indeks, form->raport2})
        EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(form->konf1->isEnabled());

    // A dialog closing over the window reactivates it: the tick was never saved.
    form->indeks->setChecked(true);
    form->FormActivate();
    EXPECT_FALSE(form->indeks->isChecked());

    // Values read once stay the fallback after ust.dat is gone.
    Sandbox::writeFile(common::dataFile("ust.dat"), "0\r\n1\r\n0\r\n1\r\n");
    form->FormActivate();
    fs::remove(common::dataFile("ust.dat"));
    form->ostatnie->setChecked(false);
    form->FormActivate();
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_TRUE(form->ostatnie->isChecked());
    EXPECT_TRUE(form->raport2->isChecked());
}

TEST_F(MainWindowTest, WorkingInTheBackgroundHidesToTheTrayWithTheSearchInItsHint) {
    Sandbox::writeFile(c / "temp/a.tmp", "x");
    setLocations({{"C:\\Temp\\", "*.tmp"}});
    form->show();
    QString hintDuringSearch;
    ui::setPumpHook([&] {
        if (hintDuringSearch.isEmpty() && form->junkList().size() > 0) {
            form->taskPane->clickItem(2, 5); // "W tle"
            hintDuringSearch = form->Ikona1->toolTip();
        }
    });
    form->Skaner_smieci();
    ui::setPumpHook({});
    EXPECT_EQ(hintDuringSearch, "[Zelvik] BRUDEX [Skanowanie...]");
    EXPECT_TRUE(form->backgroundFlag());
    EXPECT_TRUE(form->isHidden());

    // Idle, the same command shows the plain hint; stopping brings the window back.
    form->Pracujwtle1->trigger();
    EXPECT_EQ(form->Ikona1->toolTip(), "[Zelvik] BRUDEX");
    form->SpeedButton1Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Ikona1->isVisible());
}

TEST_F(MainWindowTest, HandingOverToAMissingLauncherSaysSo) {
    form->trayClick();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("Nie znaleziono programu Brudex"));
}

TEST_F(MainWindowTest, AListFileThatCouldNotBeReadIsNotSavedOver) {
    // Exists but cannot be read as a file, while a save could still replace it.
    const fs::path listFile = common::dataFile("lista_XP.dat");
    fs::remove(listFile);
    fs::create_directory(sandbox.root() / "elsewhere");
    fs::create_directory_symlink(sandbox.root() / "elsewhere", listFile);
    dialogs.shown.clear();

    form->lista->clear();
    form->lista2->clear();
    form->Odczyt_listy_XP();
    ASSERT_EQ(dialogs.shown.size(), 1); // the read error
    form->Zapisz_liste_XP();
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_TRUE(dialogs.shown[1].startsWith("Nie zapisano listy katalogów"));
    EXPECT_TRUE(fs::is_symlink(listFile));
}
