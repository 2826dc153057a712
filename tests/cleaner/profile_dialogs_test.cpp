#include "cleaner/locations/new_profile_dialog.h"
#include "cleaner/locations/other_system_profile_dialog.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/install_dir.h"
#include "support/sandbox.h"
#include "ui/dialogs.h"
#include "ui/directory_list_box.h"
#include "ui/drive_combo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const char* const kDocuments = "C:\\Documents and Settings";

// The Windows version the drive table's prefix reports ("win98", "win2k"; none: XP rules).
void setWindowsVersion(const char* version) {
    Sandbox::writeFile(common::installDir() / "system.reg",
                       std::string("[Software\\\\Wine] 1\n\"Version\"=\"") + version + "\"\n");
}

} // namespace

class ProfileDialogTest : public testing::Test {
protected:
    void start(const char* version = nullptr) {
        if (version)
            setWindowsVersion(version);
        windows = std::make_unique<ZelvikWindows>(platform::DriveTable::load());
        form = windows->Form1.get();
        form->FormShow();
        form9 = windows->Form9.get();
        form13 = windows->Form13.get();
    }
    // Clicks the entry of the dialog's directory list named so.
    template <class Dialog> void pick(Dialog& dialog, const QString& name) {
        const auto found = dialog.katalog->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        dialog.katalog->setCurrentItem(found.front());
        dialog.katalogClick();
    }
    std::string file(const char* name) const { return Sandbox::readFile(common::dataFile(name)); }

    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    fs::path d = sandbox.addDrive('d');
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<ZelvikWindows> windows;
    TForm1* form = nullptr;
    TForm9* form9 = nullptr;
    TForm13* form13 = nullptr;
};

TEST_F(ProfileDialogTest, NewUserOfXpIsAppendedRegisteredAndShown) {
    fs::create_directories(c / "Documents and Settings/Ala");
    fs::create_directories(c / "Documents and Settings/jan");
    Sandbox::writeFile(common::dataFile("prof.dat"), "jan\r\n");
    Sandbox::writeFile(common::dataFile("lista_XP.dat"), "C:\\Temp\\^*.*\r\n");
    start();

    form9->FormActivate();
    EXPECT_EQ(form9->katalog->directory(), kDocuments);
    EXPECT_FALSE(form9->Zapisz->isEnabled());
    pick(*form9, "Ala");
    EXPECT_TRUE(form9->Zapisz->isEnabled());
    form9->ZapiszClick();

    EXPECT_TRUE(dialogs.shown.isEmpty());
    const std::string user = "C:\\Documents and Settings\\Ala";
    EXPECT_EQ(file("lista_XP.dat"), "C:\\Temp\\^*.*\r\n" + user +
                                        "\\Ustawienia lokalne\\Historia\\History.IE5\\^*.DAT\r\n" +
                                        user +
                                        "\\Ustawienia lokalne\\Temporary Internet Files\\^*.*\r\n" +
                                        user + "\\Ustawienia lokalne\\Temp\\^*.*\r\n" + user +
                                        "\\Cookies\\^*.*\r\n" + user + "\\Ulubione\\^*.*\r\n");
    EXPECT_EQ(file("prof.dat"), "jan\r\nAla\r\n");
    EXPECT_EQ(form->lista->count(), 6);
    EXPECT_EQ(form->lista2->count(), 6);
    EXPECT_EQ(form->lista->item(5)->text().toStdString(), user + "\\Ulubione\\");
    EXPECT_EQ(form9->profil->text(), ""); // emptied on closing
}

TEST_F(ProfileDialogTest, NewUserRefusals) {
    for (const char* folder : {"JAN", "Windows", "WINDOWS"})
        fs::create_directories(c / "Documents and Settings" / folder);
    Sandbox::writeFile(common::dataFile("prof.dat"), "jan\r\n");
    Sandbox::writeFile(common::dataFile("lista_XP.dat"), "C:\\Temp\\^*.*\r\n");
    start();
    form9->FormActivate();

    pick(*form9, "JAN");
    form9->ZapiszClick();
    pick(*form9, "Windows");
    form9->ZapiszClick();
    pick(*form9, "C:\\"); // the drive root entry
    form9->ZapiszClick();
    EXPECT_EQ(dialogs.shown,
              (QStringList{"Wybrany Profil: JAN jest już zapisany w programie\nWybierz inny "
                           "profil użytkownika",
                           "Katalog który wybrano nie jest zapisanym profilem użytkownika",
                           "Katalog który wybrano nie jest zapisanym profilem użytkownika"}));
    EXPECT_EQ(file("lista_XP.dat"), "C:\\Temp\\^*.*\r\n");
    EXPECT_EQ(file("prof.dat"), "jan\r\n");

    // Only the exact letter case is a system folder.
    form9->FormActivate();
    pick(*form9, "WINDOWS");
    form9->ZapiszClick();
    EXPECT_EQ(file("prof.dat"), "jan\r\nWINDOWS\r\n");
}

TEST_F(ProfileDialogTest, NewUserOfNtLooksOnTheDriveOfTheFirstLocation) {
    fs::create_directories(d / "documents and settings/Ola");
    Sandbox::writeFile(common::dataFile("prof.dat"), "Administrator\r\n");
    Sandbox::writeFile(common::dataFile("lista_NT.dat"), "D:\\Winnt\\^*.LOG\r\n");
    start("win2k");
    ASSERT_EQ(form->family(), cleaner::SystemFamily::WinNT);

    form9->FormActivate();
    EXPECT_EQ(form9->katalog->directory(), "D:\\documents and settings");
    pick(*form9, "Ola");
    form9->ZapiszClick();
    const auto lines = QString::fromStdString(file("lista_NT.dat")).split("\r\n");
    ASSERT_EQ(lines.size(), 7); // one, five, and the empty rest after the last line end
    EXPECT_EQ(lines[1], "D:\\Documents and Settings\\Ola\\Ustawienia lokalne\\Historia\\"
                        "History.IE5\\^*.DAT");
    EXPECT_EQ(file("prof.dat"), "Administrator\r\nOla\r\n");
}

TEST_F(ProfileDialogTest, NewUserOf9xWithoutProfilesWarnsAndCloses) {
    start("win98");
    ASSERT_EQ(form->family(), cleaner::SystemFamily::Win9x);
    form9->FormActivate();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("Nie mogę zidentyfikować żadnego profilu"));
    EXPECT_EQ(form9->katalog->directory(), "C:\\");
    EXPECT_FALSE(form9->Zapisz->isEnabled());
    EXPECT_EQ(form9->result(), QDialog::Rejected);
}

TEST_F(ProfileDialogTest, NewUserOf9xWithoutAListFileIsOnlyRegistered) {
    fs::create_directories(c / "WINDOWS/Profiles/ewa");
    Sandbox::writeFile(common::dataFile("prof.dat"), "jan\r\n");
    start("win98");
    fs::remove(common::dataFile("lista.dat"));
    form9->FormActivate();
    EXPECT_EQ(form9->katalog->directory(), "C:\\WINDOWS\\Profiles");
    pick(*form9, "ewa");
    form9->ZapiszClick();
    EXPECT_EQ(file("prof.dat"), "jan\r\newa\r\n");
    // The reload finds no list file and starts again from the defaults.
    EXPECT_EQ(form->lista->count(), 7);
}

TEST_F(ProfileDialogTest, AProfileNameTheListCannotHoldWritesNothing) {
    fs::create_directories(c / "Documents and Settings/用户");
    Sandbox::writeFile(common::dataFile("prof.dat"), "jan\r\n");
    Sandbox::writeFile(common::dataFile("lista_XP.dat"), "C:\\Temp\\^*.*\r\n");
    start();
    form9->FormActivate();
    pick(*form9, "用户");
    form9->ZapiszClick();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("Nie można dopisać profilu: 用户"));
    EXPECT_EQ(file("lista_XP.dat"), "C:\\Temp\\^*.*\r\n");
    EXPECT_EQ(file("prof.dat"), "jan\r\n");
}

class OtherSystemTest : public ProfileDialogTest {
protected:
    void SetUp() override {
        Sandbox::writeFile(common::dataFile("prof.dat"), "jan\r\n");
        Sandbox::writeFile(common::dataFile("lista_XP.dat"), "C:\\Temp\\^*.*\r\n");
    }
    void choose(int system, char drive) {
        form13->cmb_so->setCurrentIndex(system);
        form13->dysk->setDrive(drive);
        form13->dyskClick();
    }
    bool blue(const QLabel* label) const { return label->styleSheet().contains("blue"); }
};

TEST_F(OtherSystemTest, A98OnDriveDIsAppendedToTheRunningSystemsList) {
    Sandbox::writeFile(d / "Windows/System/Gdi.exe", "x");
    fs::create_directories(d / "Windows/Profiles/Ola");
    fs::create_directories(d / "Windows/Profiles/System");
    start();
    form13->FormActivate();
    EXPECT_EQ(form13->dysk->drive(), 'c');
    EXPECT_TRUE(blue(form13->systemStep));
    EXPECT_FALSE(form13->dysk->isEnabled());

    form13->cmb_so->setCurrentIndex(0); // "Windows 95/98"
    EXPECT_TRUE(form13->dysk->isEnabled());
    EXPECT_TRUE(blue(form13->driveStep));
    EXPECT_FALSE(blue(form13->systemStep));
    choose(0, 'd');
    EXPECT_TRUE(form13->katalog->isEnabled());
    EXPECT_FALSE(blue(form13->driveStep));
    EXPECT_EQ(form13->katalog->directory(), "D:\\Windows\\Profiles");

    pick(*form13, "System");
    form13->ZapiszClick();
    EXPECT_EQ(dialogs.shown,
              (QStringList{"Katalog który wybrano nie jest zapisanym profilem użytkownika"}));
    pick(*form13, "Ola");
    form13->ZapiszClick();
    EXPECT_EQ(file("lista_XP.dat"), "C:\\Temp\\^*.*\r\n"
                                    "D:\\WINDOWS\\Profiles\\Ola\\Cookies\\^*.*\r\n"
                                    "D:\\WINDOWS\\Profiles\\Ola\\Historia\\History.IE5\\^*.DAT\r\n"
                                    "D:\\WINDOWS\\Profiles\\Ola\\Favorites\\^*.*\r\n"
                                    "D:\\WINDOWS\\Recent\\^*.*\r\n"
                                    "D:\\WINDOWS\\^*.LOG\r\n"
                                    "D:\\WINDOWS\\^*.TMP\r\n"
                                    "D:\\Windows\\Temp\\^*.*\r\n");
    EXPECT_EQ(file("prof.dat"), "jan\r\nOla\r\n");
    EXPECT_EQ(form->lista->count(), 8);
    EXPECT_EQ(form13->result(), QDialog::Accepted);
}

TEST_F(OtherSystemTest, NtAndXpWriteTheSameLinesAndTakeAFolderNamedSystem) {
    Sandbox::writeFile(d / "WINNT/system32/gdi32.dll", "x");
    fs::create_directories(d / "Documents and Settings/System");
    start();
    form13->FormActivate();
    choose(3, 'd'); // "Windows 2000"
    ASSERT_TRUE(form13->katalog->isEnabled());
    pick(*form13, "System");
    form13->ZapiszClick();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    const auto lines = QString::fromStdString(file("lista_XP.dat")).split("\r\n");
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[4], "D:\\Documents and Settings\\System\\Cookies\\^*.*");
    EXPECT_EQ(lines[5], "D:\\Documents and Settings\\System\\Ulubione\\^*.*");
}

TEST_F(OtherSystemTest, AMissingInstallationGoesBackToTheSystemChoice) {
    Sandbox::writeFile(d / "Windows/System/Gdi.exe", "x"); // a 9x, no XP
    start();
    form13->FormActivate();
    struct Case {
        int system;
        const char* message;
    } cases[] = {
        {4, "W podanej lokalizacji nie ma zainstalowanego systemu: Windows XP"},
        {2, "W podanej lokalizacji nie ma zainstalowanego systemu: Windows NT/2000"},
    };
    for (const Case& c : cases) {
        dialogs.shown.clear();
        choose(c.system, 'd');
        EXPECT_EQ(dialogs.shown, (QStringList{c.message}));
        EXPECT_EQ(form13->cmb_so->currentIndex(), -1);
        EXPECT_FALSE(form13->dysk->isEnabled());
        EXPECT_FALSE(form13->katalog->isEnabled());
        EXPECT_TRUE(blue(form13->systemStep));
        EXPECT_FALSE(blue(form13->driveStep));
    }
    // Drive C holds no Windows 9x either.
    dialogs.shown.clear();
    choose(1, 'c');
    EXPECT_EQ(dialogs.shown,
              (QStringList{"W podanej lokalizacji nie ma zainstalowanego systemu: Windows 9x/Me"}));
}

TEST_F(OtherSystemTest, SavingAsksForAProfileAndClosesTheNewUserDialog) {
    fs::create_directories(d / "Documents and Settings/jan");
    fs::create_directories(d / "Documents and Settings/Piotr");
    start();
    form13->FormActivate();
    form13->ZapiszClick();
    choose(4, 'd');
    pick(*form13, "jan");
    form13->ZapiszClick();
    EXPECT_EQ(dialogs.shown,
              (QStringList{"Nie wybrano żadnego profilu użytkownika - Zaznacz na liście "
                           "interesujący cię profil...",
                           "Wybrany Profil: jan jest już zapisany w programie\nWybierz inny "
                           "profil użytkownika"}));

    form9->show();
    pick(*form13, "Piotr");
    form13->ZapiszClick();
    EXPECT_FALSE(form9->isVisible());
    EXPECT_EQ(file("prof.dat"), "jan\r\nPiotr\r\n");
}

TEST_F(OtherSystemTest, CancelEmptiesTheDialog) {
    fs::create_directories(d / "Documents and Settings/Piotr");
    start();
    form13->FormActivate();
    choose(4, 'd');
    pick(*form13, "Piotr");
    form13->AnulujClick();
    EXPECT_EQ(form13->cmb_so->currentIndex(), -1);
    EXPECT_EQ(form13->profil->text(), "");
    EXPECT_EQ(form13->user->count(), 0);
    EXPECT_FALSE(form13->dysk->isEnabled());
    EXPECT_FALSE(form13->katalog->isEnabled());
    EXPECT_FALSE(form13->Zapisz->isEnabled());
    EXPECT_EQ(file("prof.dat"), "jan\r\n");
}
