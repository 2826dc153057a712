#include "cleaner/locations/folder_chooser.h"

#include "cleaner/locations/folder_choice.h"
#include "support/sandbox.h"
#include "ui/dialogs.h"
#include "ui/shell_folder_tree.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using cleaner::refusalOfChosenPath;

TEST(FolderChoice, EachModeTakesItsKindOfPath) {
    struct Case {
        int mode;
        const char* path;
        const char* refusal; // nullptr: taken
    } cases[] = {
        {1, "C:\\", nullptr},
        {1, "C:\\Temp", nullptr},
        {3, "D:\\Pliki", nullptr},
        {1, "", "Nie wybrano żadnego katalogu"},
        {2, "", "Nie wybrano żadnego katalogu sieciowego"},
        {3, "", "Nie wybrano żadnego katalogu "},
        {1, "\\\\serwer\\dane", "\\\\serwer\\dane nie jest katalogiem"},
        {1, "Mój komputer", "Mój komputer nie jest katalogiem"},
        // The third character, not byte: "ó" takes two bytes.
        {3, "Mó\\x", nullptr},
        {3, "ó\\x", "ó\\x nie jest katalogiem"},
        {2, "\\\\serwer", nullptr},
        {2, "\\\\serwer\\dane\\a", nullptr},
        {2, "Z:\\dane", "Z:\\dane nie jest katalogiem sieciowym"},
    };
    for (const Case& c : cases) {
        const auto refusal = refusalOfChosenPath(c.mode, c.path);
        if (c.refusal)
            EXPECT_EQ(refusal, std::optional<std::string>(c.refusal)) << c.mode << " " << c.path;
        else
            EXPECT_EQ(refusal, std::nullopt) << c.mode << " " << c.path;
    }
}

TEST(FolderChoice, ModeTextsOutsideOneToThreeDoNothing) {
    EXPECT_EQ(cleaner::chooserMode("2"), 2);
    EXPECT_EQ(cleaner::chooserMode("4"), std::nullopt);
    EXPECT_EQ(cleaner::chooserMode(""), std::nullopt);
    EXPECT_FALSE(cleaner::chooserShowsNetwork("3"));
    EXPECT_TRUE(cleaner::chooserShowsNetwork("2"));
    EXPECT_TRUE(cleaner::chooserShowsNetwork("x"));
}

class FolderChooserTest : public testing::Test {
protected:
    FolderChooserTest() {
        fs::create_directories(c / "Temp/Sub");
        fs::create_directories(share / "Docs");
    }
    std::unique_ptr<TFormy> chooser(const char* mode) {
        auto window = std::make_unique<TFormy>(
            drives, std::vector<platform::NetworkShare>{{"serwer", "dane", share}});
        window->Edit1->setText(QString::fromLatin1(mode));
        window->FormActivate();
        return window;
    }
    void click(TFormy& window, const QString& path) {
        ASSERT_TRUE(window.katalogi->selectPath(path)) << path.toStdString();
        window.katalogiClick();
    }

    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    fs::path share = sandbox.root() / "mnt/dane";
    platform::DriveTable drives{{{'c', c}}};
    ui::ScriptedDialogs dialogs;
};

TEST_F(FolderChooserTest, LocalModesPickADirectoryOfADrive) {
    for (const char* mode : {"1", "3"}) {
        auto window = chooser(mode);
        EXPECT_EQ(window->katalogi->root(), ui::ShellFolderTree::Root::MyComputer);
        click(*window, "c:\\temp\\sub");
        EXPECT_EQ(window->wybrany->text(), "C:\\Temp\\Sub");
        window->OKClick();
        EXPECT_EQ(window->result(), QDialog::Accepted);
        EXPECT_EQ(window->chosenPath(), "C:\\Temp\\Sub");
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(FolderChooserTest, RefusalsKeepTheWindowOpen) {
    auto window = chooser("1");
    window->OKClick(); // nothing clicked yet
    click(*window, ui::ShellFolderTree::myComputerName);
    window->OKClick();
    EXPECT_EQ(dialogs.shown,
              (QStringList{"Nie wybrano żadnego katalogu", "Mój komputer nie jest katalogiem"}));
    EXPECT_NE(window->result(), QDialog::Accepted);
    EXPECT_EQ(window->chosenPath(), "");
}

TEST_F(FolderChooserTest, NetworkModeShowsTheSharesAndTakesOnlyUncPaths) {
    auto window = chooser("2");
    EXPECT_EQ(window->katalogi->root(), ui::ShellFolderTree::Root::Network);
    EXPECT_FALSE(window->katalogi->selectPath("C:\\Temp"));
    window->OKClick();
    click(*window, "\\\\serwer");
    window->OKClick();
    EXPECT_EQ(dialogs.shown, (QStringList{"Nie wybrano żadnego katalogu sieciowego"}));
    EXPECT_EQ(window->chosenPath(), "\\\\serwer");
}

TEST_F(FolderChooserTest, TheKeyboardKeepsTheShownPathInStepWithTheSelection) {
    // OK writes back the path it tested, never another selection made without a click.
    auto window = chooser("1");
    click(*window, "C:\\Temp");
    window->katalogi->selectPath(ui::ShellFolderTree::myComputerName);
    EXPECT_EQ(window->wybrany->text(), "Mój komputer");
    window->OKClick();
    EXPECT_EQ(dialogs.shown, (QStringList{"Mój komputer nie jest katalogiem"}));
}

TEST_F(FolderChooserTest, CancelChoosesNothing) {
    auto window = chooser("3");
    click(*window, "C:\\Temp");
    window->AnulujClick();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(window->chosenPath(), "");
}
