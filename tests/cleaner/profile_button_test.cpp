#include "cleaner/locations/profile_register.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/install_dir.h"
#include "first_run_fixture.h"
#include "ui/dialogs.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

class ProfileButtonTest : public testing::Test {
protected:
    void start(const PrefixFamily& family) {
        driveC = makeWinePrefix(sandbox, family);
        windows = std::make_unique<ZelvikWindows>(platform::DriveTable::load());
        form = windows->Form1.get();
        form->FormShow();
        ASSERT_EQ(form->family(), family.family);
        form->pages->setCurrentIndex(TForm1::ustawienia2);
    }
    std::vector<std::string> directories() const {
        std::vector<std::string> items;
        for (int i = 0; i < form->lista->count(); ++i)
            items.push_back(form->lista->item(i)->text().toStdString());
        return items;
    }

    Sandbox sandbox;
    ui::ScriptedDialogs dialogs;
    fs::path driveC;
    std::unique_ptr<ZelvikWindows> windows;
    TForm1* form = nullptr;
};

TEST_F(ProfileButtonTest, AnExistingRegisterOnlyGetsItsMessage) {
    start(kWinXP);
    Sandbox::writeFile(common::dataFile("prof.dat"), "jan\r\nbasia\r\n");
    const int before = form->lista->count();
    form->profil->click();
    EXPECT_EQ(dialogs.shown, QStringList{"Twój profil zalogowanego użytkownika jest już zapisany"});
    EXPECT_EQ(form->lista->count(), before);
    EXPECT_EQ(cleaner::readProfileRegister(), (std::vector<std::string>{"jan", "basia"}));
    EXPECT_EQ(form->pages->currentIndex(), TForm1::ustawienia2);
}

struct ButtonCase {
    const PrefixFamily* family;
    bool profilesFolder;
    const char* listFile;
    int count;
    const char* message;
};

class ProfileButtonFamilies : public ProfileButtonTest,
                              public testing::WithParamInterface<ButtonCase> {};

TEST_P(ProfileButtonFamilies, WritesTheDefaultsOnDriveCAndTellsTheOutcome) {
    const ButtonCase& c = GetParam();
    // A Desktop on drive D does not matter to the button.
    fs::create_directories(sandbox.home() / "Desktop");
    fs::create_directories(sandbox.root() / "prefix/dosdevices");
    fs::create_directory_symlink(sandbox.home(), sandbox.root() / "prefix/dosdevices/d:");
    start(*c.family);
    if (c.profilesFolder)
        fs::create_directories(driveC / "Windows/Profiles");

    form->profilClick();

    EXPECT_EQ(dialogs.shown, QStringList{QString::fromUtf8(c.message)});
    ASSERT_EQ(form->lista->count(), c.count);
    for (const std::string& directory : directories())
        EXPECT_EQ(directory.substr(0, 3), "C:\\") << directory;
    EXPECT_EQ(cleaner::readLocationFile(sandbox.install() / c.listFile).size(),
              static_cast<std::size_t>(c.count));
    EXPECT_EQ(cleaner::readProfileRegister(),
              std::vector<std::string>{form->usr->text().toStdString()});
    EXPECT_EQ(form->pages->currentIndex(), TForm1::czysc);
}

INSTANTIATE_TEST_SUITE_P(
    Families, ProfileButtonFamilies,
    testing::Values(
        ButtonCase{&kWin9x, true, "lista.dat", 11,
                   "Profil użytkownika dla systemu: Windows 9x/Me został utworzony i zapisany"},
        ButtonCase{&kWin9x, false, "lista.dat", 8,
                   "Ze względu, że logujesz się jako domyślny użytkownik: Windows 9x/Me został "
                   "utworzony i zapisany domyślny profil użytkownika"},
        ButtonCase{&kWinXP, false, "lista_XP.dat", 10,
                   "Profil użytkownika dla systemu: Windows XP został utworzony i zapisany"},
        ButtonCase{&kWinNT, false, "lista_NT.dat", 11,
                   "Profil użytkownika dla systemu: Windows 2000 został utworzony i zapisany"}),
    [](const auto& info) {
        return std::string(info.param.family->name) + (info.param.profilesFolder ? "Profiles" : "");
    });

TEST_F(ProfileButtonTest, Windows31IsRefusedWithEmptyLists) {
    start(kWin31);
    form->lista->addItem("C:\\x\\");
    form->lista2->addItem("*.*");
    form->profilClick();
    EXPECT_EQ(dialogs.shown, QStringList{"Nie można utworzyć osobistego profilu. Nieznana lub "
                                         "zbyt stara wersja Windows 3.1/3.11"});
    EXPECT_EQ(form->lista->count(), 0);
    EXPECT_FALSE(fs::exists(common::dataFile("prof.dat")));
}

TEST_F(ProfileButtonTest, AfterAStoppedFirstRunTheButtonBuildsTheProfile) {
    start(kWin9x);
    form->usr->clear();
    form->profilClick();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("Nie nie można ustawić Twojego profilu."));
    EXPECT_FALSE(fs::exists(common::dataFile("prof.dat")));

    form->usr->setText("ala");
    form->profilClick();
    EXPECT_EQ(cleaner::readProfileRegister(), std::vector<std::string>{"ala"});
    EXPECT_EQ(form->lista->count(), 8);
}

TEST_F(ProfileButtonTest, AFailedWriteIsReportedAndNothingIsRegistered) {
    start(kWinXP);
    fs::remove(common::dataFile("lista_XP.dat"));
    fs::create_directories(common::dataFile("lista_XP.dat"));
    form->profilClick();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains("lista_XP.dat")) << dialogs.shown[0].toStdString();
    EXPECT_FALSE(fs::exists(common::dataFile("prof.dat")));
}
