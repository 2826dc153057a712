#include "removal_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace fs = std::filesystem;

class ReportWindowTest : public JunkWindowTest {
protected:
    TRaport& report() { return *windows->Raport; }
};

TEST_F(ReportWindowTest, ACleanRemovalReportsEverythingDeleted) {
    Sandbox::writeFile(c / "temp/a.tmp", std::string(2048 * 1024, 'x'));
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->raport2->setChecked(true);
    form->Skaner_smieci();
    form->Usun_smietnik();

    ASSERT_TRUE(report().isVisible());
    EXPECT_EQ(report().lbl_katalogow->text(), "Przeszukano zapisanych źródeł: 1");
    EXPECT_EQ(report().lbl_rozmiar->text(), "Rozmiar wszystkich śmieci: 2048 KB/2 MB");
    EXPECT_EQ(report().lbl_plikow->text(), "W sumie znaleziono śmieci: 1");
    EXPECT_EQ(report().lbl_nie_usunieto->text(), "Nie udało się usunąć: WSZYSTKIE ŚMIECI USUNIĘTO");
    EXPECT_FALSE(report().skanuj_jeszcze->isEnabled());

    // Left open, the report shows the next cleaning's figures, not the old ones.
    Sandbox::writeFile(c / "temp/b.tmp", "x");
    form->Skaner_smieci();
    fs::permissions(c / "temp/b.tmp", fs::perms::owner_write, fs::perm_options::remove);
    form->Usun_smietnik();
    EXPECT_EQ(report().lbl_nie_usunieto->text(), "Nie udało się usunąć: 1 plików śmieci");
    EXPECT_TRUE(report().skanuj_jeszcze->isEnabled());

    // "ZAMKNIJ" gives the main window its idle look back.
    report().OK->click();
    EXPECT_FALSE(report().isVisible());
    EXPECT_TRUE(form->stopFlag());
    EXPECT_EQ(form->Panel3->text(), "Operacja zatrzymania...");
    EXPECT_EQ(pane(0, 1), "Oczyść śmietnik");
}

TEST_F(ReportWindowTest, FailuresCanBeSearchedAgain) {
    for (const char* name : {"a.tmp", "b.tmp"})
        Sandbox::writeFile(c / "temp" / name, "x");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->Skaner_smieci();
    for (const char* name : {"a.tmp", "b.tmp"})
        fs::permissions(c / "temp" / name, fs::perms::owner_write, fs::perm_options::remove);
    form->raport2->setChecked(true);
    form->Usun_smietnik();

    EXPECT_EQ(report().lbl_nie_usunieto->text(), "Nie udało się usunąć: 2 plików śmieci");
    EXPECT_TRUE(report().skanuj_jeszcze->isEnabled());

    // The location list grew meanwhile: the report counts what is there now.
    setLocations({{"C:\\TEMP", "*.tmp"}, {"C:\\other", "*.*"}, {"C:\\third", "*.*"}});
    report().FormActivate();
    EXPECT_EQ(report().lbl_katalogow->text(), "Przeszukano zapisanych źródeł: 3");

    report().skanuj_jeszcze->click();
    EXPECT_FALSE(report().isVisible());
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
    EXPECT_EQ(form->junkList().size(), 2u);
    EXPECT_EQ(report().lbl_plikow->text(), "W sumie znaleziono śmieci: 2");
}

TEST_F(ReportWindowTest, TheReportIsBorderlessOnTheHintColour) {
    EXPECT_TRUE(report().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(report().size(), QSize(423, 163));
    EXPECT_EQ(report().palette().color(QPalette::Window),
              report().palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(report().Label1->text(), "Raport usuwania śmieci...");
}
