#include "removal_fixture.h"

#include "cleaner/junk/report_window.h"
#include "common/clock.h"
#include "common/install_dir.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const kRemovalRemark = "Plik używany przez System, program lub innego użytkownika...";

void makeReadOnly(const fs::path& file) {
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

std::time_t localTime(int year, int month, int day, int hour, int minute) {
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_isdst = -1;
    return std::mktime(&when);
}

} // namespace

class RemovalWindowTest : public JunkWindowTest {
protected:
    void TearDown() override {
        common::setClock({});
        JunkWindowTest::TearDown();
    }
};

TEST_F(RemovalWindowTest, CleaningDeletesWhatWasListedListsWhatStayedAndRecordsTheTime) {
    for (const char* name : {"a.tmp", "locked.tmp", "sub/b.tmp"})
        Sandbox::writeFile(c / "temp" / name, "x");
    Sandbox::writeFile(c / "temp/keep.txt", "x");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->CheckBox1->setChecked(true);
    form->raport2->setChecked(true);
    form->Skaner_smieci();
    ASSERT_EQ(form->junkList().size(), 3u);
    // Locked after the search, as a file in use would be.
    makeReadOnly(c / "temp/locked.tmp");
    common::setClock([] { return localTime(2024, 5, 1, 10, 30); });

    form->taskPane->clickItem(0, 1);

    EXPECT_FALSE(fs::exists(c / "temp/a.tmp"));
    EXPECT_FALSE(fs::exists(c / "temp/sub/b.tmp"));
    EXPECT_TRUE(fs::exists(c / "temp/locked.tmp"));
    EXPECT_TRUE(fs::exists(c / "temp/keep.txt"));
    ASSERT_EQ(form->ListView2->topLevelItemCount(), 1);
    EXPECT_EQ(form->ListView2->topLevelItem(0)->text(0), "C:\\TEMP\\locked.tmp");
    EXPECT_EQ(form->ListView2->topLevelItem(0)->text(1), kRemovalRemark);
    EXPECT_EQ(form->Panel2->text(), "Nie udało się usunąć plików: 1");
    EXPECT_EQ(form->pages->currentIndex(), TForm1::bledy);
    EXPECT_EQ(Sandbox::readFile(common::dataFile("data.dat")), "2024-05-01   Godz: 10:30\r\n");
    EXPECT_EQ(form->junkList().size(), 0u);
    EXPECT_EQ(form->search().paths().totalSize(), 0u);
    EXPECT_EQ(form->Label1->text(), "Usuwanie śmieci. Zakończone");
    EXPECT_EQ(form->Panel3->text(), "Status...");
    EXPECT_EQ(form->statusPanel(1), "Zakończono usuwanie");
    EXPECT_EQ(form->statusPanel(2), "Rozmiar: 0 KB");
    EXPECT_FALSE(form->Usun1->isEnabled());
    EXPECT_TRUE(windows->Raport->isVisible());
    // The search's totals stay for the report.
    EXPECT_EQ(windows->Raport->lbl_plikow->text(), "W sumie znaleziono śmieci: 3");
}

TEST_F(RemovalWindowTest, ACleanRemovalStaysOnTheStatusPageAndTheAutomaticRunGetsNoReport) {
    Sandbox::writeFile(c / "temp/a.tmp", "x");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->raport2->setChecked(true);
    form->Skaner_smieci();
    windows->kreator->show();

    form->Usun_smietnik();

    EXPECT_EQ(form->Panel2->text(), "Nie udało się usunąć plików: 0");
    EXPECT_EQ(form->pages->currentIndex(), TForm1::czysc);
    EXPECT_FALSE(windows->Raport->isVisible());
}

TEST_F(RemovalWindowTest, ADirectorySwappedForALinkIsListedAsAFailureAndNothingOutsideGoes) {
    Sandbox::writeFile(c / "temp/sub/victim.tmp", "listed");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->CheckBox1->setChecked(true);
    form->Skaner_smieci();
    ASSERT_EQ(form->junkList().size(), 1u);
    const fs::path outside = sandbox.root() / "outside";
    Sandbox::writeFile(outside / "victim.tmp", "precious");
    fs::rename(c / "temp/sub", c / "temp/elsewhere");
    fs::create_directory_symlink(outside, c / "temp/sub");

    form->Usun_smietnik();

    EXPECT_EQ(Sandbox::readFile(outside / "victim.tmp"), "precious");
    EXPECT_EQ(failurePaths(), std::vector<std::string>{"C:\\TEMP\\sub\\victim.tmp"});
}

TEST_F(RemovalWindowTest, TheRecentDocumentsAreClearedOnlyWhenTheOptionIsTicked) {
    const fs::path xbel = sandbox.dataHome() / "recently-used.xbel";
    const fs::path recentLink = sandbox.dataHome() / "RecentDocuments/report.odt.desktop";
    for (bool ticked : {false, true}) {
        Sandbox::writeFile(xbel, "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\">\n"
                                 "<bookmark href=\"file:///home/u/secret.odt\"/>\n</xbel>\n");
        Sandbox::writeFile(recentLink, "[Desktop Entry]\n");
        form->ostatnie->setChecked(ticked);

        // Also a removal with nothing queued clears them.
        form->Usun_smietnik();

        const std::string list = Sandbox::readFile(xbel);
        EXPECT_EQ(list.find("secret.odt") == std::string::npos, ticked) << ticked;
        EXPECT_EQ(fs::exists(recentLink), !ticked) << ticked;
        if (ticked) {
            EXPECT_NE(list.find("<xbel version=\"1.0\""), std::string::npos);
            EXPECT_NE(list.find("></xbel>"), std::string::npos);
        }
    }
}

TEST_F(RemovalWindowTest, RowsBeyondTheFirstPathListAreDeletedOrKeptOutByTheirOwnPaths) {
    // 32740 empty files in a few directories: the rows from the 32735th on lie in lista_tmp2.
    constexpr int kFiles = 32740;
    for (int d = 0; d < 4; ++d)
        fs::create_directories(c / "big" / ("d" + std::to_string(d)));
    for (int i = 0; i < kFiles; ++i) {
        const fs::path file =
            c / "big" / ("d" + std::to_string(i % 4)) / (std::to_string(i) + ".tmp");
        ::close(::open(file.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
    }
    setLocations({{"C:\\big", "*.tmp"}});
    form->CheckBox1->setChecked(true);
    form->Skaner_smieci();
    ASSERT_EQ(form->junkList().size(), static_cast<std::size_t>(kFiles));
    ASSERT_EQ(form->search().paths().list(2).size(), 6u);

    const fs::path keptThird = hostFile(2);
    const fs::path keptLate = hostFile(32735);
    const fs::path deletedAlone = hostFile(32736); // row 32737 once 32735 is gone
    const fs::path locked = hostFile(32738);
    const std::string lockedPath = form->junkList().fullPath(32738);

    selectRow(2);
    form->nie_usuwaj_plClick();
    selectRow(32734); // was 32735
    form->nie_usuwaj_plClick();
    selectRow(32734); // was 32736
    form->smiecie_plikClick();
    EXPECT_FALSE(fs::exists(deletedAlone));
    EXPECT_EQ(form->statusPanel(1), "Znaleziono śmieci: " + QString::number(kFiles - 3));
    EXPECT_EQ(form->junkList().size(), form->search().paths().totalSize());
    makeReadOnly(locked);

    form->Usun_smietnik();

    EXPECT_TRUE(fs::exists(keptThird));
    EXPECT_TRUE(fs::exists(keptLate));
    EXPECT_TRUE(fs::exists(locked));
    // The file deleted alone is not tried again, and only the locked one is listed.
    EXPECT_EQ(failurePaths(), std::vector<std::string>{lockedPath});
    std::size_t left = 0;
    for (const auto& entry : fs::recursive_directory_iterator(c / "big"))
        left += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(left, 3u);
}

TEST_F(RemovalWindowTest, AFileThatCannotBeDeletedAloneStaysListedAndIsReported) {
    Sandbox::writeFile(c / "temp/a.tmp", "x");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->Skaner_smieci();
    makeReadOnly(c / "temp/a.tmp");
    EXPECT_FALSE(form->smiecie_plik->isEnabled());
    selectRow(0);
    form->ListView1Click();
    EXPECT_TRUE(form->smiecie_plik->isEnabled());

    form->smiecie_plikClick();

    EXPECT_EQ(form->junkList().size(), 1u);
    EXPECT_EQ(form->search().paths().totalSize(), 1u);
    ASSERT_EQ(form->ListView2->topLevelItemCount(), 1);
    EXPECT_EQ(form->ListView2->topLevelItem(0)->text(1),
              "Używany przez System, program lub innego użytkownika...");
    EXPECT_EQ(dialogs.shown, QStringList{"Nie można usunąć pliku. Ponieważ plik używany jest "
                                         "przez System, program lub innego użytkownika..."});

    // "Czyść listę..." empties the list; the panel keeps the last removal's count.
    form->Panel2->setText("Nie udało się usunąć plików: 7");
    form->Czysc_liste->trigger();
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
    EXPECT_EQ(form->Panel2->text(), "Nie udało się usunąć plików: 7");
}

TEST_F(RemovalWindowTest, SingleFileCommandsWithoutASelectedRowDoNothing) {
    Sandbox::writeFile(c / "temp/a.tmp", "x");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->Skaner_smieci();
    form->ListView1->selectionModel()->clearSelection();
    form->smiecie_plikClick();
    form->nie_usuwaj_plClick();
    EXPECT_TRUE(fs::exists(c / "temp/a.tmp"));
    EXPECT_EQ(form->junkList().size(), 1u);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(RemovalWindowTest, EmptyingTheTrashAsksFirstAndEmptiesTheHomeTrash) {
    const fs::path trash = sandbox.dataHome() / "Trash";
    Sandbox::writeFile(trash / "files/old.txt", "x");
    Sandbox::writeFile(trash / "files/folder/inner.txt", "x");
    Sandbox::writeFile(trash / "info/old.txt.trashinfo", "[Trash Info]\n");
    const fs::path outside = sandbox.root() / "outside.txt";
    Sandbox::writeFile(outside, "precious");
    fs::create_symlink(outside, trash / "files/link.txt");
    const QString question =
        "Czy napewno chcesz opróżnić kosz (wszystkie elementy które się tam znajdują)?";

    dialogs.nextAnswer = ui::Answer::No;
    form->taskPane->clickItem(0, 2);
    EXPECT_EQ(dialogs.shown, QStringList{question});
    EXPECT_EQ(form->Label1->text(), "Oczekiwanie...");
    EXPECT_TRUE(fs::exists(trash / "files/old.txt"));

    dialogs.nextAnswer = ui::Answer::Yes;
    QStringList labels;
    form->setTrashEmptier([&] {
        labels << form->Label1->text();
        for (const auto& directory : platform::userTrashDirectories({}))
            platform::emptyTrashDirectory(directory);
    });
    form->kosz->trigger();
    EXPECT_EQ(labels, QStringList{"Opróżnianie kosza Windows..."});
    EXPECT_EQ(form->Label1->text(), "Oczekiwanie...");
    EXPECT_TRUE(fs::is_empty(trash / "files"));
    EXPECT_TRUE(fs::is_empty(trash / "info"));
    EXPECT_EQ(Sandbox::readFile(outside), "precious");
}

TEST_F(RemovalWindowTest, HistoryWithoutAUserProfileIsRefused) {
    form->usr->clear();
    form->ItemClick(3);
    EXPECT_EQ(dialogs.shown, QStringList{"Nie możesz usuwać historii, ponieważ nie masz "
                                         "skofigurowanego profilu użytkownika"});
}

TEST_F(RemovalWindowTest, MenuEntriesReachTheirCommands) {
    EXPECT_TRUE(form->kosz->isEnabled());
    EXPECT_FALSE(form->Usun1->isEnabled());
    EXPECT_FALSE(form->smiecie_plik->isEnabled());

    // The popup's "Oczyść śmietnik" does nothing on an empty junk list; the pane's item runs.
    form->oczysc_menu->trigger();
    EXPECT_EQ(form->Label1->text(), "Oczekiwanie...");
    form->taskPane->clickItem(0, 1);
    EXPECT_EQ(form->Label1->text(), "Usuwanie śmieci. Zakończone");

    form->Filtrujkatalogi1->trigger();
    EXPECT_TRUE(windows->Form2->isVisible());
    windows->Form2->close();
    form->taskPane->clickItem(2, 2); // "Filtruj katalogi"
    EXPECT_TRUE(windows->Form2->isVisible());
}
