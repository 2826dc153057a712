#include "virus_scanner/file_details.h"
#include "virus_scanner/folder_picker.h"
#include "virus_scanner/properties_window.h"

#include "platform/date_format.h"
#include "support/sandbox.h"
#include "ui/dialogs.h"
#include "ui/qt_printers.h"
#include "ui/shell_folder_tree.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

namespace fs = std::filesystem;

TEST(VirusFileDetails, SizeInThreeUnits) {
    EXPECT_EQ(virkil::sizeText(1536), "1536 B/ 1 KB/0 MB");
    EXPECT_EQ(virkil::sizeText(3 * 1024 * 1024), "3145728 B/ 3072 KB/3 MB");
    EXPECT_EQ(virkil::sizeText(0), "0 B/ 0 KB/0 MB");
}

TEST(VirusFileDetails, TypeByTheLastThreeCharacters) {
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.exe"), "Plik wykonywalny");
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.EXE"), "Plik wykonywalny");
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.com"), "Plik wykonywalny znany z MS DOS");
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.bat"), "Plik wsadowy (Język powłoki Windows)");
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.cab"), "Plik skompresowany firmy Microsoft)");
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.dll"), "Plik biblioteli ladowanej dynamiczne");
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.ocx"), "Plik kontroli ActiveX");
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.vbs"), "Plik języka skryptowego Visual Basic Script");
    EXPECT_EQ(virkil::fileTypeText("C:\\a\\x.txt"), "");
}

TEST(VirusFolderChoice, OnlyDrivePathsPass) {
    EXPECT_EQ(virkil::folderRefusal(""), "Nie wybrano żadnego katalogu");
    EXPECT_EQ(virkil::folderRefusal("\\\\serwer\\dane"), "\\\\serwer\\dane nie jest katalogiem");
    EXPECT_EQ(virkil::folderRefusal("Mój komputer"), "Mój komputer nie jest katalogiem");
    EXPECT_EQ(virkil::folderRefusal("C:"), "C: nie jest katalogiem");
    EXPECT_EQ(virkil::folderRefusal("C:\\"), std::nullopt);
    EXPECT_EQ(virkil::folderRefusal("C:\\Windows"), std::nullopt);
}

class VirusDialogsTest : public testing::Test {
protected:
    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    platform::DriveTable drives = platform::DriveTable::load();
    ui::ScriptedDialogs dialogs;
};

TEST_F(VirusDialogsTest, PropertiesOfAFoundFile) {
    Sandbox::writeFile(c / "dir/Program Wirus.exe", std::string(1536, 'x'));
    Sandbox::writeFile(c / "dir/VIRUS.DLL", "x");
    const std::time_t when = 1700000000;
    const utimbuf times{when, when};
    utime((c / "dir/Program Wirus.exe").c_str(), &times);

    virkil::TForm2 window(drives);
    EXPECT_EQ(window.windowTitle(), "Właściwości pliku...");
    window.FormActivate("C:\\dir\\Program Wirus.exe");
    EXPECT_EQ(window.sciezka->text(), "C:\\dir\\Program Wirus.exe");
    EXPECT_EQ(window.rozmiar->text(), "1536 B/ 1 KB/0 MB");
    EXPECT_EQ(window.dos->text(), "PROGRA~1.EXE");
    EXPECT_EQ(window.modyfikowany->text(), QString::fromStdString(platform::shortDate(when)));
    EXPECT_EQ(window.typ->text(), "Plik wykonywalny");

    window.FormActivate("C:\\dir\\VIRUS.DLL");
    EXPECT_EQ(window.dos->text(), ""); // already an 8.3 name
    EXPECT_EQ(window.typ->text(), "Plik biblioteli ladowanej dynamiczne");

    // A file gone since the scan: its place and type, nothing else.
    window.FormActivate("C:\\dir\\gone.exe");
    EXPECT_EQ(window.sciezka->text(), "C:\\dir\\gone.exe");
    EXPECT_EQ(window.rozmiar->text(), "");
    EXPECT_EQ(window.modyfikowany->text(), "");
    EXPECT_EQ(window.typ->text(), "Plik wykonywalny");
}

TEST_F(VirusDialogsTest, FolderPickerTakesOnlyAFolderOnADrive) {
    fs::create_directories(c / "Windows");
    virkil::TForm3 picker(drives);
    EXPECT_EQ(picker.windowTitle(), "Wybierz katalog...");
    EXPECT_EQ(picker.katalogi->root(), ui::ShellFolderTree::Root::Desktop);
    EXPECT_EQ(picker.wybrany->text(), "");

    picker.OKClick();
    EXPECT_EQ(dialogs.shown, QStringList{"Nie wybrano żadnego katalogu"});
    EXPECT_NE(picker.result(), QDialog::Accepted);

    ASSERT_TRUE(picker.katalogi->selectPath(ui::ShellFolderTree::myComputerName));
    picker.katalogiClick();
    picker.OKClick();
    EXPECT_EQ(dialogs.shown.last(), ui::ShellFolderTree::myComputerName + " nie jest katalogiem");
    EXPECT_NE(picker.result(), QDialog::Accepted);

    ASSERT_TRUE(picker.katalogi->selectPath("C:\\Windows"));
    picker.katalogiClick();
    EXPECT_EQ(picker.wybrany->text(), "C:\\Windows");
    picker.OKClick();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.selectedFolder(), "C:\\Windows");
    EXPECT_EQ(dialogs.shown.size(), 2);
}
