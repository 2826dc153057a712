#include "cleaner/locations/first_run.h"

#include "cleaner/locations/first_run_dialog.h"
#include "cleaner/locations/profile_register.h"
#include "cleaner/locations/system_detection.h"
#include "cleaner/modes/admin_dialog.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/install_dir.h"
#include "common/mode_settings.h"
#include "first_run_fixture.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using cleaner::Location;
using cleaner::SystemFamily;

namespace {

std::vector<std::string> listed(const QListWidget* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->item(i)->text().toStdString());
    return items;
}

} // namespace

TEST(DefaultProfileTable, XpRowsAreBuiltForTheDriveAndTheUser) {
    const auto table = cleaner::defaultProfileTable(SystemFamily::WinXP, "D", "jan", false);
    ASSERT_EQ(table.locations.size(), 10u);
    for (const Location& location : table.locations)
        EXPECT_EQ(location.directory.substr(0, 3), "D:\\") << location.directory;
    // The system's History.IE5 keeps *.DAT, the user's takes everything.
    EXPECT_EQ(table.locations[2], (Location{"D:\\WINDOWS\\Historia\\History.IE5\\", "*.DAT"}));
    EXPECT_EQ(table.locations[5],
              (Location{"D:\\Documents and Settings\\jan\\Ustawienia lokalne\\Historia\\"
                        "History.IE5\\",
                        "*.*"}));
    EXPECT_EQ(table.locations[9], (Location{"D:\\Documents and Settings\\jan\\Recent\\", "*.*"}));
    // Containers first, then the marked rows, without their trailing backslash.
    ASSERT_EQ(table.resets.size(), 3u + 7u);
    EXPECT_EQ(table.resets[0], "D:\\Documents and Settings");
    EXPECT_EQ(table.resets[2], "D:\\Documents and Settings\\jan\\Ustawienia lokalne");
    EXPECT_EQ(table.resets[3], "D:\\WINDOWS\\Historia\\History.IE5");
}

TEST(DefaultProfileTable, Win9xHasElevenLocationsOnlyWithItsProfilesFolder) {
    const auto withProfiles = cleaner::defaultProfileTable(SystemFamily::Win9x, "C", "ala", true);
    const auto without = cleaner::defaultProfileTable(SystemFamily::Win9x, "C", "ala", false);
    ASSERT_EQ(withProfiles.locations.size(), 11u);
    ASSERT_EQ(without.locations.size(), 8u);
    EXPECT_EQ(withProfiles.locations[7],
              (Location{"C:\\WINDOWS\\Profiles\\ala\\Cookies\\", "*.*"}));
    EXPECT_EQ(withProfiles.locations[10],
              (Location{"C:\\WINDOWS\\Profiles\\ala\\Favorites\\", "*.*"}));
    // Without profiles: rows 1 to 7 and 9.
    EXPECT_EQ(without.locations[7], (Location{"C:\\WINDOWS\\Downloaded Program Files\\", "*.*"}));
    EXPECT_EQ(
        std::vector<Location>(withProfiles.locations.begin(), withProfiles.locations.begin() + 7),
        std::vector<Location>(without.locations.begin(), without.locations.begin() + 7));
    EXPECT_EQ(without.resets[1], "C:\\Windows\\Profiles\\ala");
}

TEST(DefaultProfileTable, NtAdministratorMarkerUsesTheAdministratorFolder) {
    const auto table = cleaner::defaultProfileTable(SystemFamily::WinNT, "C",
                                                    cleaner::kAdministratorMarker, false);
    ASSERT_EQ(table.locations.size(), 11u);
    EXPECT_EQ(table.locations[0], (Location{"C:\\Winnt\\", "*.LOG"}));
    for (std::size_t row = 5; row < 11; ++row)
        EXPECT_EQ(
            table.locations[row].directory.rfind("C:\\Documents and Settings\\Administrator\\", 0),
            0u)
            << table.locations[row].directory;
    EXPECT_EQ(table.locations[9],
              (Location{"C:\\Documents and Settings\\Administrator\\Ulubione\\", "*.*"}));
    EXPECT_TRUE(
        cleaner::defaultProfileTable(SystemFamily::Win31, "C", "x", true).locations.empty());
}

// The first-run dialog over a main window whose family comes from a Wine prefix.
class FirstRunTest : public testing::Test {
protected:
    void start(const PrefixFamily& family) {
        driveC = makeWinePrefix(sandbox, family);
        windows = std::make_unique<ZelvikWindows>(platform::DriveTable::load());
        form = windows->Form1.get();
        konfig = windows->Konfig.get();
        konfig->setPause(std::chrono::milliseconds(0));
        form->FormShow();
        ASSERT_EQ(form->family(), family.family);
    }
    std::string file(const char* name) const { return Sandbox::readFile(sandbox.install() / name); }

    Sandbox sandbox;
    ui::ScriptedDialogs dialogs;
    fs::path driveC;
    std::unique_ptr<ZelvikWindows> windows;
    TForm1* form = nullptr;
    TKonfig* konfig = nullptr;
};

struct FamilyCase {
    const PrefixFamily* family;
    const char* listFile;
    std::size_t count;
    const char* lastDirectory; // {u} replaced by the login name
};

class FirstRunFamilies : public FirstRunTest, public testing::WithParamInterface<FamilyCase> {};

TEST_P(FirstRunFamilies, WritesTheFamilysDefaultsAndTheRegister) {
    const FamilyCase& c = GetParam();
    start(*c.family);
    const std::string user = form->usr->text().toStdString();
    form->pages->setCurrentIndex(TForm1::ustawienia2);

    konfig->FormActivate();

    ASSERT_EQ(form->lista->count(), static_cast<int>(c.count));
    std::string last = c.lastDirectory;
    if (const auto at = last.find("{u}"); at != std::string::npos)
        last.replace(at, 3, user);
    EXPECT_EQ(form->lista->item(form->lista->count() - 1)->text().toStdString(), last);
    // No Desktop folder in the sandbox: drive C.
    EXPECT_EQ(konfig->drive(), "C");
    const auto saved = cleaner::readLocationFile(sandbox.install() / c.listFile);
    EXPECT_EQ(saved.size(), c.count);
    EXPECT_EQ(file("prof.dat"), user + "\r\n");
    EXPECT_EQ(form->pages->currentIndex(), TForm1::czysc);
    EXPECT_EQ(konfig->status->text(), "Twój profil użytkownika został zapisany...");
    EXPECT_TRUE(konfig->tak->isEnabled());
    EXPECT_TRUE(konfig->zamknij2->isEnabled());
    EXPECT_FALSE(konfig->question->isHidden());
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Families, FirstRunFamilies,
                         testing::Values(FamilyCase{&kWin9x, "lista.dat", 8,
                                                    "C:\\WINDOWS\\Downloaded Program Files\\"},
                                         FamilyCase{&kWinXP, "lista_XP.dat", 10,
                                                    "C:\\Documents and Settings\\{u}\\Recent\\"},
                                         FamilyCase{&kWinNT, "lista_NT.dat", 11,
                                                    "C:\\Documents and Settings\\{u}\\Recent\\"}),
                         [](const auto& info) { return std::string(info.param.family->name); });

TEST_F(FirstRunTest, TheDesktopsDriveLetterPrefixesEveryLocation) {
    // The Desktop folder is reached through D:.
    fs::create_directories(sandbox.home() / "Desktop");
    fs::create_directories(sandbox.root() / "prefix/dosdevices");
    fs::create_directory_symlink(sandbox.home(), sandbox.root() / "prefix/dosdevices/d:");
    start(kWinXP);
    konfig->FormActivate();
    EXPECT_EQ(konfig->drive(), "D");
    ASSERT_EQ(form->lista->count(), 10);
    for (const std::string& directory : listed(form->lista))
        EXPECT_EQ(directory.substr(0, 3), "D:\\") << directory;
}

TEST_F(FirstRunTest, ADesktopOutsideEveryDriveFallsBackToDriveC) {
    // A Desktop exists but no drive letter reaches it (only C: -> drive_c).
    fs::create_directories(sandbox.home() / "Desktop");
    start(kWinXP);
    konfig->FormActivate();
    EXPECT_EQ(konfig->drive(), "C");
    EXPECT_EQ(listed(form->lista).front(), "C:\\Windows\\");
}

TEST_F(FirstRunTest, Win9xWithProfilesFolderGetsElevenLocations) {
    start(kWin9x);
    fs::create_directories(driveC / "windows/profiles");
    konfig->FormActivate();
    EXPECT_EQ(form->lista->count(), 11);
    EXPECT_EQ(cleaner::readLocationFile(sandbox.install() / "lista.dat").size(), 11u);
}

TEST_F(FirstRunTest, NtAdministratorMarkerGoesIntoProfDatAsItIs) {
    start(kWinNT);
    form->usr->setText(QString::fromUtf8(cleaner::kAdministratorMarker));
    konfig->FormActivate();
    EXPECT_EQ(listed(form->lista)[5].rfind("C:\\Documents and Settings\\Administrator\\", 0), 0u);
    EXPECT_EQ(cleaner::readProfileRegister(),
              std::vector<std::string>{cleaner::kAdministratorMarker});
}

TEST_F(FirstRunTest, ExistingListAndRegisterAreReplaced) {
    start(kWinXP);
    Sandbox::writeFile(sandbox.install() / "lista_XP.dat", "C:\\Mine\\^*.bak\r\n");
    Sandbox::writeFile(sandbox.install() / "prof.dat", "old\r\nbasia\r\n");
    konfig->FormActivate();
    const auto saved = cleaner::readLocationFile(sandbox.install() / "lista_XP.dat");
    EXPECT_EQ(saved.size(), 10u);
    EXPECT_EQ(saved.front(), (Location{"C:\\Windows\\", "*.LOG"}));
    EXPECT_EQ(file("prof.dat"), form->usr->text().toStdString() + "\r\n");
}

TEST_F(FirstRunTest, ProfileFoldersGetTheirAttributesReset) {
    start(kWinXP);
    const std::string user = form->usr->text().toStdString();
    const fs::path settings = driveC / "Documents and Settings";
    const fs::path cookies = settings / user / "Cookies";
    fs::create_directories(cookies);
    fs::create_directories(driveC / "Temp");
    for (const fs::path& directory : {settings, cookies, driveC / "Temp"})
        fs::permissions(directory, fs::perms::owner_write, fs::perm_options::remove);
    konfig->FormActivate();
    const auto writable = [](const fs::path& p) {
        return (fs::status(p).permissions() & fs::perms::owner_write) != fs::perms::none;
    };
    EXPECT_TRUE(writable(settings));
    EXPECT_TRUE(writable(cookies));
    // Row 4 (Temp) is not one of the reset rows.
    EXPECT_FALSE(writable(driveC / "Temp"));
}

TEST_F(FirstRunTest, Windows31IsRefusedAndNothingIsWritten) {
    start(kWin31);
    form->lista->addItem("C:\\x\\");
    form->lista2->addItem("*.*");
    konfig->FormActivate();
    EXPECT_EQ(dialogs.shown, QStringList{"Nie można utworzyć osobistego profilu. Nieznana lub "
                                         "zbyt stara wersja Windows 3.1/3.11"});
    EXPECT_EQ(form->lista->count(), 0);
    EXPECT_EQ(form->lista2->count(), 0);
    EXPECT_FALSE(fs::exists(sandbox.install() / "prof.dat"));
    for (const char* list : {"lista.dat", "lista_XP.dat", "lista_NT.dat"})
        EXPECT_FALSE(fs::exists(sandbox.install() / list)) << list;
    // The dialog still offers its buttons.
    EXPECT_EQ(konfig->status->text(), "Twój profil użytkownika został zapisany...");
    EXPECT_TRUE(konfig->zamknij2->isEnabled());
}

TEST_F(FirstRunTest, Win9xWithoutAUserWarnsAndLeavesTheFilesAlone) {
    start(kWin9x);
    const std::string before = file("lista.dat");
    form->usr->clear();
    konfig->FormActivate();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(
        "Nie nie można ustawić Twojego profilu. Ponieważ nie masz ustawionego profilu "
        "użytkownika w systemie.\r\nWejdź do Panelu sterowania"));
    EXPECT_EQ(form->lista->count(), 0);
    EXPECT_EQ(file("lista.dat"), before);
    EXPECT_FALSE(fs::exists(sandbox.install() / "prof.dat"));
}

TEST_F(FirstRunTest, AListFileThatCannotBeWrittenLeavesTheConfigurationUndone) {
    start(kWinXP);
    fs::remove(sandbox.install() / "lista_XP.dat");
    fs::create_directories(sandbox.install() / "lista_XP.dat"); // the write fails
    konfig->FormActivate();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains("lista_XP.dat")) << dialogs.shown[0].toStdString();
    EXPECT_FALSE(fs::exists(sandbox.install() / "prof.dat"));
    EXPECT_EQ(konfig->status->text(), "Nie udało się zapisać Twojego profilu użytkownika...");
    EXPECT_TRUE(konfig->zamknij2->isEnabled());
}

TEST_F(FirstRunTest, ThePauseKeepsTheButtonsDisabledUntilItEnds) {
    start(kWinXP);
    konfig->setPause(std::chrono::milliseconds(200));
    bool disabledDuringPause = false;
    QTimer::singleShot(50, [&] {
        disabledDuringPause = !konfig->tak->isEnabled() && konfig->question->isHidden() &&
                              fs::exists(sandbox.install() / "prof.dat");
    });
    const auto begin = std::chrono::steady_clock::now();
    konfig->FormActivate();
    EXPECT_GE(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(200));
    EXPECT_TRUE(disabledDuringPause);
    EXPECT_TRUE(konfig->tak->isEnabled());
}

// A fresh installation: the activation opens the first-run dialog by itself; "TAK" leads into
// the mode dialog, whose choice is stored.
TEST_F(FirstRunTest, FreshInstallationRunsTheFirstRunAndTheModeDialog) {
    start(kWinXP);
    TAdmin* admin = windows->Admin.get();
    bool modeDialogSeen = false;
    whenReady([&] { return konfig->isVisible() && konfig->tak->isEnabled(); },
              [&] {
                  whenReady([&] { return admin->isVisible(); },
                            [&] {
                                modeDialogSeen = true;
                                admin->Automat->setChecked(true);
                                admin->szybko_usun->setChecked(true);
                                admin->Zastosuj->click();
                            });
                  konfig->tak->click();
              });
    form->FormActivate();

    EXPECT_TRUE(modeDialogSeen);
    EXPECT_FALSE(konfig->isVisible());
    EXPECT_EQ(file("prof.dat"), form->usr->text().toStdString() + "\r\n");
    EXPECT_EQ(cleaner::readLocationFile(sandbox.install() / "lista_XP.dat").size(), 10u);
    EXPECT_TRUE(fs::exists(sandbox.configHome() / "autostart/Brudex.desktop"));
    EXPECT_EQ(file("fast.dat"), "1\r\n1\r\n1\r\n1\r\n2\r\n");
    EXPECT_FALSE(form->tray->isEnabled()); // set before the dialogs ran

    // Configured now: the next activation opens nothing and offers the tray command.
    form->FormActivate();
    EXPECT_TRUE(form->tray->isEnabled());
}

TEST_F(FirstRunTest, AStoppedConfigurationDoesNotReopenWithinTheSameRun) {
    start(kWin31);
    int opened = 0;
    const auto closeWhenOffered = [&] {
        whenReady([&] { return konfig->isVisible() && konfig->zamknij2->isEnabled(); },
                  [&] {
                      ++opened;
                      konfig->zamknij2->click();
                  });
    };
    closeWhenOffered();
    form->FormActivate();
    EXPECT_EQ(opened, 1);
    // Closing the dialog activates the main window again: no endless loop of dialogs.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        ++opened;
        konfig->close();
    });
    guard.start(2000);
    form->FormActivate();
    guard.stop();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(konfig->isVisible());
}
