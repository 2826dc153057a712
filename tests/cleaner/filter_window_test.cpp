#include "removal_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace fs = std::filesystem;

class ExtensionFilterTest : public JunkWindowTest {};

TEST_F(ExtensionFilterTest, KeepsOnlyTheExactExtensionAndTheRemovalDeletesOnlyThat) {
    for (const char* name : {"a.TMP", "b.tmp", "c.LOG"})
        Sandbox::writeFile(c / "Temp" / name, "x");
    setLocations({{"C:\\Temp", "*.*"}});
    form->Skaner_smieci();
    ASSERT_EQ(form->junkList().size(), 3u);

    form->edit_filtr->setText("TMP");
    form->zastosuj_filtr->click();

    ASSERT_EQ(form->junkList().size(), 1u);
    EXPECT_EQ(form->junkList().row(0).name, "a.TMP");
    EXPECT_EQ(form->search().paths().totalSize(), 1u);
    EXPECT_EQ(form->statusPanel(1), "Znaleziono śmieci: 1");
    EXPECT_EQ(form->statusPanel(2), "Rozmiar: Brak danych");
    EXPECT_TRUE(form->Usun1->isEnabled());

    form->Usun_smietnik();
    EXPECT_FALSE(fs::exists(c / "Temp/a.TMP"));
    EXPECT_TRUE(fs::exists(c / "Temp/b.tmp"));
    EXPECT_TRUE(fs::exists(c / "Temp/c.LOG"));
}

TEST_F(ExtensionFilterTest, AMaskOfAnotherLengthEmptiesTheListAndEnterAppliesIt) {
    Sandbox::writeFile(c / "Temp/a.TMP", "x");
    setLocations({{"C:\\Temp", "*.*"}});
    form->Skaner_smieci();

    form->edit_filtr->setText("*.TMP");
    emit form->edit_filtr->returnPressed();

    EXPECT_EQ(form->junkList().size(), 0u);
    EXPECT_EQ(form->search().paths().totalSize(), 0u);
    EXPECT_FALSE(form->Usun1->isEnabled());
}

TEST_F(ExtensionFilterTest, AnEmptyFilterIsRefused) {
    Sandbox::writeFile(c / "Temp/a.TMP", "x");
    setLocations({{"C:\\Temp", "*.*"}});
    form->Skaner_smieci();
    form->edit_filtr->clear();
    form->zastosuj_filtrClick();
    EXPECT_EQ(dialogs.shown,
              QStringList{"Wpisz rozszerzenie pliku (trzy litwerową maskę) aby przefiltrować..."});
    EXPECT_EQ(form->junkList().size(), 1u);
}

class DirectoryFilterTest : public JunkWindowTest {
protected:
    void SetUp() override {
        JunkWindowTest::SetUp();
        std::vector<cleaner::Location> locations;
        for (int i = 1; i <= 6; ++i) {
            const std::string name = "loc" + std::to_string(i);
            Sandbox::writeFile(c / name / (name + ".tmp"), "x");
            locations.push_back({"C:\\" + name, "*.tmp"});
        }
        setLocations(locations);
        filter().show();
    }
    TForm2& filter() { return *windows->Form2; }
    void click(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        item->setSelected(!item->isSelected());
        emit list->itemClicked(item);
    }
};

TEST_F(DirectoryFilterTest, WalksOnlyThePickedLocations) {
    ASSERT_EQ(filter().lista1->count(), 6);
    EXPECT_EQ(filter().lista2->item(3)->text(), "*.tmp");
    new QTreeWidgetItem(form->ListView2, QStringList{"C:\\old", "uwaga"});
    click(filter().lista1, 1);
    click(filter().lista2, 4); // either list picks the row in both
    EXPECT_TRUE(filter().lista1->item(4)->isSelected());
    EXPECT_TRUE(filter().lista2->item(1)->isSelected());

    filter().Zastosuj->click();

    ASSERT_EQ(form->junkList().size(), 2u);
    EXPECT_EQ(form->junkList().row(0).name, "loc2.tmp");
    EXPECT_EQ(form->junkList().row(1).name, "loc5.tmp");
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
    EXPECT_FALSE(filter().isVisible());
    EXPECT_EQ(form->Label1->text(), "Skanowanie katalogów zakończone!");
    EXPECT_EQ(form->pages->currentIndex(), TForm1::podglad2);
    EXPECT_EQ(form->statusPanel(1), "Znaleziono śmieci: 2");
    EXPECT_EQ(form->statusPanel(2), "Rozmiar: 0 KB/0 MB");
    EXPECT_EQ(form->Panel3->text(), "Skanowanie zakończone");
    EXPECT_TRUE(form->Usun1->isEnabled());
    EXPECT_EQ(pane(0, 0), "Szukaj śmieci");
    EXPECT_EQ(pane(1, 0), "");
    EXPECT_EQ(pane(3, 0), "ZAMKNIJ");

    // The next opening starts with nothing picked.
    filter().show();
    EXPECT_TRUE(filter().lista1->selectedItems().isEmpty());
}

TEST_F(DirectoryFilterTest, NothingPickedIsRefused) {
    filter().ZastosujClick();
    EXPECT_EQ(dialogs.shown, QStringList{"Nie wybrano żadnego katalogu na liście."});
    EXPECT_TRUE(filter().isVisible());
    EXPECT_EQ(form->Label1->text(), "Oczekiwanie...");
}

TEST_F(DirectoryFilterTest, AScanThatFindsNothingSaysSo) {
    fs::remove(c / "loc3/loc3.tmp");
    click(filter().lista1, 2);
    filter().lista1DblClick();
    EXPECT_EQ(form->Label1->text(), "Skanowanie katalogów zakończone! BRAK ŚMIECI");
    EXPECT_FALSE(form->Usun1->isEnabled());
    EXPECT_EQ(pane(0, 1), "Oczyść śmietnik");
    EXPECT_FALSE(filter().isVisible());
}
