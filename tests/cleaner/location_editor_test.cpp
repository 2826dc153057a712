#include "cleaner/locations/folder_chooser.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/install_dir.h"
#include "support/sandbox.h"
#include "ui/dialogs.h"
#include "ui/shell_folder_tree.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

class LocationEditorTest : public testing::Test {
protected:
    void SetUp() override {
        c = sandbox.addDrive('c');
        fs::create_directories(c / "Temp");
        fs::create_directories(c / "Cache");
        Sandbox::writeFile(common::dataFile("prof.dat"), "jan\r\n");
        Sandbox::writeFile(common::dataFile("lista_XP.dat"), "C:\\Windows\\^*.LOG\r\n");
        windows = std::make_unique<ZelvikWindows>(platform::DriveTable::load());
        form = windows->Form1.get();
        form->FormShow();
    }

    // Picks the path in the folder chooser that DodajClick opens, then OK.
    void addThroughChooser(const QString& path) {
        QTimer::singleShot(0, [path] {
            auto* chooser = qobject_cast<TFormy*>(QApplication::activeModalWidget());
            ASSERT_TRUE(chooser);
            EXPECT_EQ(chooser->Edit1->text(), "1");
            EXPECT_EQ(chooser->katalogi->root(), ui::ShellFolderTree::Root::MyComputer);
            chooser->katalogi->selectPath(path);
            chooser->katalogiClick();
            chooser->OKClick();
        });
        form->DodajClick();
    }
    QStringList texts(const QListWidget* list) const {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }
    std::string listFile() const { return Sandbox::readFile(common::dataFile("lista_XP.dat")); }

    Sandbox sandbox;
    fs::path c;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<ZelvikWindows> windows;
    TForm1* form = nullptr;
};

TEST_F(LocationEditorTest, AddsPickedDirectoriesWithTheirMasksAndSavesAtOnce) {
    EXPECT_FALSE(form->Zastosuj->isEnabled());
    EXPECT_EQ(form->maska->count(), 47);
    EXPECT_EQ(form->wybrany_maska->text(), "*.*");

    addThroughChooser("C:\\Temp");
    EXPECT_EQ(form->katalog->text(), "C:\\Temp");
    ASSERT_TRUE(form->Zastosuj->isEnabled());
    form->ZastosujClick();
    EXPECT_FALSE(form->Zastosuj->isEnabled());
    EXPECT_EQ(form->maska->currentText(), "*.*"); // no mask chosen: the box shows "*.*"

    // The same pick again does not enable the button; a drive root is taken as it is.
    addThroughChooser("C:\\Temp");
    EXPECT_FALSE(form->Zastosuj->isEnabled());
    addThroughChooser("C:\\");
    EXPECT_TRUE(form->Zastosuj->isEnabled());
    form->maska->setCurrentIndex(1);
    emit form->maska->activated(1); // the user chooses "*.TMP"
    EXPECT_EQ(form->wybrany_maska->text(), "*.TMP");
    form->ZastosujClick();
    // The mask is taken as typed, even empty.
    form->katalog->setText("C:\\Cache");
    form->wybrany_maska->setText("");
    form->ZastosujClick();

    EXPECT_EQ(texts(form->lista),
              (QStringList{"C:\\Windows\\", "C:\\Temp\\", "C:\\", "C:\\Cache\\"}));
    EXPECT_EQ(texts(form->lista2), (QStringList{"*.LOG", "*.*", "*.TMP", ""}));
    EXPECT_EQ(listFile(),
              "C:\\Windows\\^*.LOG\r\nC:\\Temp\\^*.*\r\nC:\\^*.TMP\r\nC:\\Cache\\^\r\n");
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(LocationEditorTest, AddingWithoutAPickOnlyWarns) {
    form->Zastosuj->setEnabled(true);
    form->ZastosujClick();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("Nie wybrano żadnego katalogu na dysku.\nWybierz"));
    EXPECT_TRUE(form->Zastosuj->isEnabled());
    EXPECT_EQ(form->lista->count(), 1);
}

TEST_F(LocationEditorTest, ADirectoryTheListFileCannotHoldIsNotAdded) {
    fs::create_directories(c / "A^B");
    addThroughChooser("C:\\A^B");
    form->ZastosujClick();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("Nie można dodać katalogu: C:\\A^B\\"));
    EXPECT_EQ(form->lista->count(), 1);
    EXPECT_EQ(listFile(), "C:\\Windows\\^*.LOG\r\n");
}

TEST_F(LocationEditorTest, CancellingTheChooserLeavesThePickAsItWas) {
    form->katalog->setText("C:\\Cache");
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<TFormy*>(QApplication::activeModalWidget());
        ASSERT_TRUE(chooser);
        chooser->katalogi->selectPath("C:\\Temp");
        chooser->katalogiClick();
        chooser->AnulujClick();
    });
    form->DodajClick();
    EXPECT_EQ(form->katalog->text(), "C:\\Cache");
}

TEST_F(LocationEditorTest, BothListsSelectAndLoseTheSameRow) {
    form->katalog->setText("C:\\Cache");
    form->ZastosujClick();
    EXPECT_FALSE(form->usun_zaznaczony->isEnabled());
    form->lista2->setCurrentRow(1);
    EXPECT_EQ(form->lista->currentRow(), 1);
    EXPECT_TRUE(form->usun_zaznaczony->isEnabled());
    form->lista->setCurrentRow(0);
    EXPECT_EQ(form->lista2->currentRow(), 0);

    form->usun_zaznaczonyClick();
    EXPECT_EQ(texts(form->lista), (QStringList{"C:\\Cache\\"}));
    EXPECT_EQ(texts(form->lista2), (QStringList{"*.*"}));
    EXPECT_EQ(listFile(), "C:\\Cache\\^*.*\r\n");
    EXPECT_TRUE(form->usun_zaznaczony->isEnabled());

    // Nothing selected: only the unchanged list is saved.
    fs::remove(common::dataFile("lista_XP.dat"));
    form->usun_zaznaczonyClick();
    EXPECT_EQ(form->lista->count(), 1);
    EXPECT_EQ(listFile(), "C:\\Cache\\^*.*\r\n");
}

TEST_F(LocationEditorTest, OpeningNeedsASelectedDirectory) {
    form->pop_profilClick();
    EXPECT_EQ(dialogs.shown, (QStringList{"Nie zaznaczono żadnego katalogu do otwarcia"}));
}

TEST_F(LocationEditorTest, RemovingAllAsksFirst) {
    dialogs.nextAnswer = ui::Answer::No;
    form->usun_wszystkieClick();
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(fs::exists(common::dataFile("prof.dat")));
    EXPECT_EQ(form->lista->count(), 1);
}

TEST_F(LocationEditorTest, RemovingAllForgetsTheProfilesAndEndsTheProgram) {
    dialogs.nextAnswer = ui::Answer::Yes;
    QTimer::singleShot(0, form, [this] { form->usun_profile->trigger(); });
    // A safety net: the test must not hang if the program does not end.
    QTimer::singleShot(5000, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(dialogs.shown,
              (QStringList{"UWAGA: Czy napewno chcesz usunąć wszystkie miejsca magazynowania "
                           "śmieci, włącznie z wszystkimi zapisanymi profilami?"}));
    EXPECT_FALSE(fs::exists(common::dataFile("prof.dat")));
    EXPECT_FALSE(fs::exists(common::dataFile("lista_XP.dat")));
    EXPECT_EQ(form->lista->count(), 0);
    EXPECT_EQ(form->lista2->count(), 0);

    // The next start begins again from the defaults.
    windows = std::make_unique<ZelvikWindows>(platform::DriveTable::load());
    windows->Form1->FormShow();
    EXPECT_EQ(windows->Form1->lista->count(), 6);
}
