#include "cleaner/modes/admin_dialog.h"

#include "cleaner/modes/mode_logic.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/clock.h"
#include "common/install_dir.h"
#include "common/mode_settings.h"
#include "first_run_fixture.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;
using common::Mode;

namespace {

std::time_t dayOf(int year, int month, int day) {
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_hour = 12;
    return std::mktime(&date);
}

} // namespace

TEST(MonthAfter, TakesTheMonthFromTheShortDate) {
    struct Case {
        const char* date;
        int fallback;
        int next;
    } cases[] = {
        {"2024-05-17", 1, 6}, {"2024-12-01", 1, 1}, {"24-05-17", 1, 6},
        {"24-12-31", 1, 1},   {"2024-01-31", 7, 2}, // the date wins over the fallback
        {"17.05.2024", 5, 6},                       // another format: the fallback month
        {"", 12, 1},          {"2024-13-01", 3, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cleaner::monthAfter(c.date, c.fallback), c.next) << c.date;
}

class ModeDialogTest : public testing::Test {
protected:
    void TearDown() override { common::setClock({}); }
    std::string file(const char* name) const { return Sandbox::readFile(sandbox.install() / name); }
    bool exists(const char* name) const { return fs::exists(sandbox.install() / name); }
    bool entryExists() const {
        return fs::exists(sandbox.configHome() / "autostart/Brudex.desktop");
    }

    Sandbox sandbox;
    ui::ScriptedDialogs dialogs;
    TAdmin admin;
};

TEST_F(ModeDialogTest, StartsInManualModeWithTheModuleOff) {
    EXPECT_EQ(admin.windowTitle(), "Tryby pracy aplikacji...");
    EXPECT_TRUE(admin.reczna->isChecked());
    EXPECT_FALSE(admin.auto_run->isEnabled());
    EXPECT_FALSE(admin.ile_dni->isEnabled());
    EXPECT_FALSE(admin.miesiac->isEnabled());
    EXPECT_FALSE(admin.cmb_ile->isEnabled());
    EXPECT_EQ(admin.cmb_ile->currentIndex(), -1);
    EXPECT_EQ(admin.cmb_ile->count(), 12);
    EXPECT_EQ(admin.cmb_ile->itemText(9), "PAŹDZIERNIK");
    EXPECT_FALSE(admin.szybko_usun->isChecked());
    EXPECT_TRUE(admin.szybkie_smietnik->isChecked());
    EXPECT_FALSE(admin.szybkie_smietnik->isEnabled());
    EXPECT_EQ(admin.edit_licznik->value(), 2);
    EXPECT_EQ(admin.edit_licznik->minimum(), 1);
    EXPECT_EQ(admin.edit_licznik->maximum(), 10);
    EXPECT_FALSE(admin.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(ModeDialogTest, TheRadioButtonsFormOneGroupAndEnableTheirFollowers) {
    admin.Automat->setChecked(true);
    EXPECT_TRUE(admin.auto_run->isChecked());
    EXPECT_FALSE(admin.Automat->isChecked());
    EXPECT_FALSE(admin.reczna->isChecked());
    EXPECT_TRUE(admin.ile_dni->isEnabled());
    EXPECT_TRUE(admin.miesiac->isEnabled());

    admin.miesiac->setChecked(true);
    EXPECT_FALSE(admin.auto_run->isChecked());
    EXPECT_TRUE(admin.cmb_ile->isEnabled());
    EXPECT_EQ(admin.cmb_ile->currentText(), "STYCZEŃ");

    admin.ile_dni->setChecked(true);
    EXPECT_FALSE(admin.cmb_ile->isEnabled());
    EXPECT_EQ(admin.cmb_ile->currentIndex(), -1);

    admin.reczna->setChecked(true);
    EXPECT_FALSE(admin.auto_run->isEnabled());
    EXPECT_FALSE(admin.auto_run->isChecked());
    EXPECT_FALSE(admin.ile_dni->isEnabled());
    EXPECT_FALSE(admin.miesiac->isEnabled());

    admin.szybko_usun->setChecked(true);
    for (QWidget* option : std::initializer_list<QWidget*>{
             admin.szybkie_smietnik, admin.szybkie_historia2, admin.szybkie_programy,
             admin.szybkie_zamknij, admin.edit_licznik})
        EXPECT_TRUE(option->isEnabled());
    admin.szybko_usun->setChecked(false);
    EXPECT_FALSE(admin.edit_licznik->isEnabled());
}

struct ApplyCase {
    const char* name;
    std::function<void(TAdmin&)> choose;
    int month; // today's month
    bool entry;
    const char* mies; // nullptr: no mies.dat
    Mode mode;
};

class ModeDialogApply : public ModeDialogTest, public testing::WithParamInterface<ApplyCase> {};

// Stored before: start-with-system entry, a reminder month and the module on.
TEST_P(ModeDialogApply, StoresTheChosenModeWhateverWasStoredBefore) {
    const ApplyCase& c = GetParam();
    common::setClock([&] { return dayOf(2024, c.month, 15); });
    common::writeRunEntryIfAbsent();
    common::writeReminderMonth(7);
    common::writeFastOptions({});
    c.choose(admin);
    bool accepted = false;
    QObject::connect(&admin, &QDialog::accepted, [&] { accepted = true; });

    admin.ZastosujClick();

    EXPECT_TRUE(accepted);
    EXPECT_EQ(entryExists(), c.entry);
    if (c.mies)
        EXPECT_EQ(file("mies.dat"), c.mies);
    else
        EXPECT_FALSE(exists("mies.dat"));
    EXPECT_EQ(common::Tryb_pracy(), c.mode);
    EXPECT_FALSE(exists("fast.dat")); // the module was left off
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ModeDialogApply,
    testing::Values(ApplyCase{"Untouched", [](TAdmin&) {}, 5, false, nullptr, Mode::Reczny},
                    ApplyCase{"StartWithSystem", [](TAdmin& a) { a.Automat->setChecked(true); }, 5,
                              true, nullptr, Mode::Przy_starcie},
                    ApplyCase{"MonthlyFromNextMonth",
                              [](TAdmin& a) {
                                  a.Automat->setChecked(true);
                                  a.ile_dni->setChecked(true);
                              },
                              5, true, "06\r\n", Mode::Miesieczny},
                    ApplyCase{"MonthlyInDecember",
                              [](TAdmin& a) {
                                  a.Automat->setChecked(true);
                                  a.ile_dni->setChecked(true);
                              },
                              12, true, "01\r\n", Mode::Miesieczny},
                    ApplyCase{"MonthlyFromAChosenMonth",
                              [](TAdmin& a) {
                                  a.Automat->setChecked(true);
                                  a.miesiac->setChecked(true);
                                  a.cmb_ile->setCurrentIndex(4);
                              },
                              5, true, "05\r\n", Mode::Miesieczny},
                    ApplyCase{"BackToManual",
                              [](TAdmin& a) {
                                  a.Automat->setChecked(true);
                                  a.reczna->setChecked(true);
                              },
                              5, false, nullptr, Mode::Reczny}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModeDialogTest, TheModuleLandsInFastDatEvenInManualMode) {
    admin.szybko_usun->setChecked(true);
    admin.szybkie_historia2->setChecked(false);
    admin.szybkie_zamknij->setChecked(false);
    admin.edit_licznik->setValue(10);
    admin.ZastosujClick();
    EXPECT_EQ(file("fast.dat"), "1\r\n0\r\n1\r\n0\r\n10\r\n");
    EXPECT_FALSE(entryExists());
}

TEST_F(ModeDialogTest, TheStatusLineShowsTheStoredMode) {
    admin.FormActivate();
    EXPECT_EQ(admin.komunikat->text(), "Wartość ustawiona: PRACA RĘCZNA");
    common::writeReminderMonth(3); // without the entry: ignored
    admin.FormActivate();
    EXPECT_EQ(admin.komunikat->text(), "Wartość ustawiona: PRACA RĘCZNA");
    common::writeRunEntryIfAbsent();
    admin.FormActivate();
    EXPECT_EQ(admin.komunikat->text(),
              "Wartość ustawiona: PRACA AUTOMATYCZNA USTAWIONA NA CZAS MIESIĘCZNY");
    common::deleteReminderMonth();
    admin.FormActivate();
    EXPECT_EQ(admin.komunikat->text(), "Wartość ustawiona: URUCHAMIAJ PRZY STARCIE SYSTEMU");
}

TEST_F(ModeDialogTest, AFailedWriteSkipsTheRestAndKeepsTheDialogOpen) {
    Sandbox::writeFile(sandbox.install() / "fast.dat", "1\r\n1\r\n1\r\n1\r\n3\r\n");
    fs::create_directories(sandbox.install() / "mies.dat"); // cannot be written
    admin.Automat->setChecked(true);
    admin.miesiac->setChecked(true);
    bool closed = false;
    QObject::connect(&admin, &QDialog::finished, [&] { closed = true; });

    EXPECT_THROW(admin.ZastosujClick(), std::system_error);

    EXPECT_FALSE(closed);
    // The module step never ran: the previous fast.dat is whole.
    EXPECT_EQ(file("fast.dat"), "1\r\n1\r\n1\r\n1\r\n3\r\n");
}

TEST_F(ModeDialogTest, CancelWritesNothing) {
    admin.Automat->setChecked(true);
    admin.szybko_usun->setChecked(true);
    admin.AnulujClick();
    EXPECT_FALSE(entryExists());
    EXPECT_FALSE(exists("fast.dat"));
}

// The main window: the menu command opens the dialog; the tray command follows the mode.
class MainWindowModes : public testing::Test {
protected:
    void SetUp() override {
        sandbox.addDrive('c');
        Sandbox::writeFile(common::dataFile("prof.dat"), "user\r\n");
        windows = std::make_unique<ZelvikWindows>(platform::DriveTable::load());
        form = windows->Form1.get();
        form->FormShow();
    }
    Sandbox sandbox;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<ZelvikWindows> windows;
    TForm1* form = nullptr;
};

TEST_F(MainWindowModes, TheTrayCommandIsOfferedOnlyWhenTheLauncherStartsWithTheSession) {
    form->FormActivate();
    EXPECT_FALSE(form->tray->isEnabled());
    common::writeRunEntryIfAbsent();
    form->FormActivate();
    EXPECT_TRUE(form->tray->isEnabled());
    common::writeReminderMonth(4);
    form->FormActivate();
    EXPECT_FALSE(form->tray->isEnabled());
}

TEST_F(MainWindowModes, TheMenuCommandOpensTheModeDialog) {
    EXPECT_EQ(form->Administracja1->text(), "Tryby pracy aplikacji");
    EXPECT_TRUE(form->Administracja1->isEnabled());
    TAdmin* admin = windows->Admin.get();
    QString status;
    whenReady([&] { return admin->isVisible(); },
              [&] {
                  status = admin->komunikat->text();
                  admin->Automat->setChecked(true);
                  admin->Zastosuj->click();
              });
    form->Administracja1->trigger();
    EXPECT_EQ(status, "Wartość ustawiona: PRACA RĘCZNA");
    EXPECT_EQ(common::Tryb_pracy(), Mode::Przy_starcie);
}
