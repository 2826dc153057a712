#include "virus_scanner/main_window.h"

#include "support/sandbox.h"
#include "ui/dialogs.h"
#include "ui/drive_combo.h"
#include "ui/message_pump.h"
#include "ui/qt_printers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;
using virkil::TForm1;

namespace {

QStringList texts(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QStringList rows(const QTreeWidget* view) {
    QStringList result;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        result << view->topLevelItem(i)->text(0);
    result.sort();
    return result;
}

// Removes the pump hook when a test ends.
struct PumpHook {
    explicit PumpHook(std::function<void()> hook) { ui::setPumpHook(std::move(hook)); }
    ~PumpHook() { ui::setPumpHook({}); }
};

} // namespace

class VirkilWindowTest : public testing::Test {
protected:
    fs::path listFile() const { return sandbox.install() / "Viry.dat"; }
    void writeList(const std::string& bytes) { Sandbox::writeFile(listFile(), bytes); }
    void file(const std::string& relative) { Sandbox::writeFile(c / relative, "x"); }
    std::unique_ptr<TForm1> open() {
        return std::make_unique<TForm1>(platform::DriveTable::load());
    }

    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    fs::path d = sandbox.addDrive('d');
    ui::ScriptedDialogs dialogs;
};

TEST_F(VirkilWindowTest, WithoutTheListFileScanningIsUnavailableForTheRun) {
    auto w = open();
    EXPECT_EQ(dialogs.shown,
              QStringList{"Nie znaleziono na Twoim dysku pliku z zapisanymi typami wirusów"});
    EXPECT_FALSE(w->Skanuj->isEnabled());
    EXPECT_FALSE(w->usun->isEnabled());
    EXPECT_EQ(w->statusPanel(0), "Virkil: Zapisanych wirusów: 0");
    EXPECT_EQ(w->lbl_dysk->text(), "Wybrany Dysk: [c:\\]");

    // Edits live for this run only; no file appears.
    dialogs.nextInput = "Virus.exe";
    w->lista_dodajClick();
    EXPECT_EQ(texts(w->lista), QStringList{"Virus.exe"});
    EXPECT_FALSE(fs::exists(listFile()));
}

TEST_F(VirkilWindowTest, StartShowsTheListSortedAndItsCount) {
    writeList("Zorro.exe\r\nabc.dll\r\n\xA3obuz.com\r\nBeta.bat\r\n");
    auto w = open();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(texts(w->lista), (QStringList{"abc.dll", "Beta.bat", "Zorro.exe", "Łobuz.com"}));
    EXPECT_EQ(w->statusPanel(0), "Virkil: Zapisanych wirusów: 4");
    EXPECT_EQ(w->statusPanel(1), "Oczekiwanie...");
    EXPECT_EQ(w->komunikat->text(), "Oczekiwanie...");
    EXPECT_TRUE(w->Skanuj->isEnabled());
    EXPECT_FALSE(w->Zatrzymaj->isEnabled());
    EXPECT_TRUE(w->CheckBox1->isChecked());
}

TEST_F(VirkilWindowTest, ScanOfTheDriveListsTheFoundFilesAndLocksMeanwhile) {
    writeList("Virus.exe\r\n");
    file("Virus.exe");
    file("a/b/VIRUS.exe");
    file("a/virus.EXE");
    file("a/myvirus.exe");
    Sandbox::writeFile(d / "Virus.exe", "x");
    auto w = open();

    bool checkedLock = false;
    PumpHook hook([&] {
        if (checkedLock || !w->scanning())
            return;
        checkedLock = true;
        EXPECT_FALSE(w->dysk->isEnabled());
        EXPECT_FALSE(w->lista->isEnabled());
        EXPECT_FALSE(w->katalog->isEnabled());
        EXPECT_FALSE(w->CheckBox1->isEnabled());
        EXPECT_FALSE(w->lista_dodaj->isEnabled());
        EXPECT_FALSE(w->Skanuj->isEnabled());
        EXPECT_FALSE(w->Zamknij->isEnabled());
        EXPECT_TRUE(w->Zatrzymaj->isEnabled());
        EXPECT_EQ(w->statusPanel(1), "Skanowanie. Proszę czekać...");
    });
    w->SkanujClick();
    EXPECT_TRUE(checkedLock);
    EXPECT_EQ(rows(w->ListView1), (QStringList{"c:\\Virus.exe", "c:\\a\\b\\VIRUS.exe"}));
    ASSERT_EQ(w->lista2().size(), 2u);
    EXPECT_EQ(w->komunikat->text(), "Skanowanie zakończone. Znaleziono: 2 wirusów");
    EXPECT_EQ(w->statusPanel(1), "Skanowanie zakończone...");
    EXPECT_TRUE(w->usun->isEnabled());
    EXPECT_TRUE(w->Skanuj->isEnabled());
    EXPECT_TRUE(w->Zamknij->isEnabled());
    EXPECT_FALSE(w->Zatrzymaj->isEnabled());
    EXPECT_TRUE(w->dysk->isEnabled());
    EXPECT_EQ(w->pasek->value(), 0);

    // Without subdirectories only the root's own files are examined.
    w->CheckBox1->setChecked(false);
    w->SkanujClick();
    EXPECT_EQ(rows(w->ListView1), QStringList{"c:\\Virus.exe"});
}

TEST_F(VirkilWindowTest, StopEndsTheScanWithTheStoppedTexts) {
    writeList("Virus.exe\r\n");
    for (int i = 0; i < 6; ++i)
        file("d" + std::to_string(i) + "/Virus.exe");
    auto w = open();
    QString afterStop;
    PumpHook hook([&] {
        if (w->lista2().size() == 2 && !w->zatrzymano) {
            w->Zatrzymaj->click();
            afterStop = w->komunikat->text();
            // The stop enables the scan button while the walk is still unwinding: ignored.
            w->Skanuj->click();
        }
    });
    w->SkanujClick();
    EXPECT_EQ(afterStop, "Skanowanie zatrzymane przez użytkownika");
    EXPECT_EQ(w->ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(w->komunikat->text(), "Skanowanie zatrzymane. Znaleziono: 2 wirusów");
    EXPECT_EQ(w->statusPanel(1), "Skanowanie zatrzymane...");
    EXPECT_TRUE(w->usun->isEnabled());
    EXPECT_TRUE(w->Skanuj->isEnabled());
    EXPECT_FALSE(w->Zatrzymaj->isEnabled());
}

TEST_F(VirkilWindowTest, ConfirmedFolderIsTheTargetUntilTheDriveChanges) {
    writeList("Virus.exe\r\n");
    file("Windows/Virus.exe");
    file("Other/Virus.exe");
    auto w = open();
    w->chooseFolder("C:\\Windows", "C:\\Windows");
    EXPECT_EQ(w->lbl_dysk->text(), "Wybrany zasób: C:\\Windows");

    QString firstStatus;
    PumpHook hook([&] {
        if (firstStatus.isEmpty())
            firstStatus = w->komunikat->text();
    });
    w->SkanujClick();
    EXPECT_EQ(firstStatus, "Skanowanie: [C:\\Windows:\\]");
    EXPECT_EQ(rows(w->ListView1), QStringList{"C:\\Windows\\Virus.exe"});

    w->dysk->setDrive('d');
    EXPECT_EQ(w->tryb_katalogu, 0);
    EXPECT_EQ(w->lbl_dysk->text(), "Wybrany Dysk: [d:\\]");
    firstStatus.clear();
    w->SkanujClick();
    EXPECT_EQ(firstStatus, "Skanowanie: [d:\\]");
    EXPECT_EQ(w->ListView1->topLevelItemCount(), 0);
}

TEST_F(VirkilWindowTest, CancellingTheFolderPickerKeepsTheDrive) {
    writeList("Virus.exe\r\n");
    auto w = open();
    bool sawPicker = false;
    QTimer::singleShot(0, [&] {
        if (auto* picker = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            sawPicker = picker->windowTitle() == "Wybierz katalog...";
            picker->reject();
        }
    });
    w->katalogClick();
    EXPECT_TRUE(sawPicker);
    EXPECT_EQ(w->tryb_katalogu, 0);
    EXPECT_EQ(w->lbl_dysk->text(), "Wybrany Dysk: [c:\\]");
}

TEST_F(VirkilWindowTest, AddingANameKeepsTheListSortedAndSavesIt) {
    writeList("Zorro.exe\r\nabc.dll\r\n");
    auto w = open();
    for (const char* refused : {"Trojan.EXE", "Trojan", ""}) {
        dialogs.nextInput = refused;
        w->lista_dodajClick();
    }
    dialogs.nextInput.reset(); // cancelled
    w->lista_dodajClick();
    EXPECT_EQ(w->lista->count(), 2);
    EXPECT_EQ(dialogs.shown.count("Wpisz nową nazwę wirusa, np. Virus.exe"), 4);
    EXPECT_EQ(dialogs.shown.size(), 4); // refused silently

    dialogs.nextInput = "Trojan.exe";
    w->lista_dodajClick();
    EXPECT_EQ(texts(w->lista), (QStringList{"abc.dll", "Trojan.exe", "Zorro.exe"}));
    EXPECT_EQ(Sandbox::readFile(listFile()), "abc.dll\r\nTrojan.exe\r\nZorro.exe\r\n");
    EXPECT_EQ(w->statusPanel(0), "Zapisanych wirusów: 3");

    // A name already listed is accepted again.
    w->lista_dodajClick();
    EXPECT_EQ(w->lista->count(), 4);
}

TEST_F(VirkilWindowTest, NameTheFileCannotHoldIsRefusedAndTheFileKept) {
    writeList("Virus.exe\r\n");
    auto w = open();
    dialogs.nextInput = QString::fromUtf8("\xE4\xB8\xAD.exe");
    w->lista_dodajClick();
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_TRUE(dialogs.shown[1].contains("Windows-1250"));
    EXPECT_EQ(texts(w->lista), QStringList{"Virus.exe"});
    EXPECT_EQ(Sandbox::readFile(listFile()), "Virus.exe\r\n");

    // Polish letters are held and written in Windows-1250.
    dialogs.nextInput = QString::fromUtf8("Żmija.exe");
    w->lista_dodajClick();
    EXPECT_EQ(Sandbox::readFile(listFile()), "Virus.exe\r\n\xAFmija.exe\r\n");
}

TEST_F(VirkilWindowTest, RemovingANameAsksAndSavesEitherWay) {
    writeList("b.exe\na.exe\nc.exe\n"); // LF alone: a rewrite shows as CR LF
    auto w = open();
    w->lista->setCurrentRow(1);
    EXPECT_TRUE(w->lista_usun->isEnabled());

    dialogs.nextAnswer = ui::Answer::No;
    w->lista_usunClick();
    EXPECT_EQ(dialogs.shown.last(), "UWAGA: Czy napewno chcesz usunąć zaznaczony typ wirusa?");
    EXPECT_EQ(Sandbox::readFile(listFile()), "a.exe\r\nb.exe\r\nc.exe\r\n");
    EXPECT_EQ(w->statusPanel(0), "Virkil: Zapisanych wirusów: 3");

    dialogs.nextAnswer = ui::Answer::Yes;
    w->lista_usunClick();
    EXPECT_EQ(texts(w->lista), (QStringList{"a.exe", "c.exe"}));
    EXPECT_EQ(Sandbox::readFile(listFile()), "a.exe\r\nc.exe\r\n");
    EXPECT_EQ(w->statusPanel(0), "Virkil: Zapisanych wirusów: 2");
}

TEST_F(VirkilWindowTest, ListThatCannotBeWrittenReportsTheErrorAndStaysIntact) {
    writeList("Virus.exe\r\n");
    auto w = open();
    // The file turns into a folder that holds something: the rename over it fails.
    fs::remove(listFile());
    Sandbox::writeFile(listFile() / "inside", "x");
    dialogs.nextInput = "Trojan.exe";
    EXPECT_THROW(w->lista_dodajClick(), std::system_error); // shown by the general error box
    EXPECT_EQ(w->statusPanel(0), "Zapisanych wirusów: 2");
    EXPECT_EQ(Sandbox::readFile(listFile() / "inside"), "x");
    for (const auto& entry : fs::directory_iterator(sandbox.install()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".Viry")) << entry.path();
}

TEST_F(VirkilWindowTest, FindSelectsTheFirstNameBeginningWithTheText) {
    writeList("abc.exe\r\nvirek.com\r\nVirus.exe\r\n");
    auto w = open();
    dialogs.nextInput = "VIR";
    w->Szukajwirusa1Click();
    EXPECT_EQ(w->lista->currentRow(), 1);
    EXPECT_EQ(dialogs.shown.last(), "Wpisz  nazwę wirusa którego chcesz znaleźć");

    dialogs.nextInput = "virus.exe.bak";
    w->Szukajwirusa1Click();
    EXPECT_EQ(w->lista->currentRow(), 1); // nothing found: unchanged, no message
    EXPECT_EQ(dialogs.shown.size(), 2);
}

TEST_F(VirkilWindowTest, DeletingAllListsTheFailuresOnly) {
    writeList("Virus.exe\r\n");
    file("a/Virus.exe");
    file("b/Virus.exe");
    file("c/Virus.exe");
    chmod((c / "b/Virus.exe").c_str(), 0444); // in use
    auto w = open();
    w->SkanujClick();
    ASSERT_EQ(w->lista2().size(), 3u);
    w->usunClick();
    EXPECT_EQ(texts(w->lista_tmp), QStringList{"c:\\b\\Virus.exe"});
    EXPECT_EQ(w->ListView1->topLevelItemCount(), 0);
    EXPECT_TRUE(w->lista2().empty());
    EXPECT_FALSE(fs::exists(c / "a/Virus.exe"));
    EXPECT_TRUE(fs::exists(c / "b/Virus.exe"));
    EXPECT_FALSE(fs::exists(c / "c/Virus.exe"));

    // Next scan: only the kept one; deleting it makes the success line the only entry.
    chmod((c / "b/Virus.exe").c_str(), 0644);
    w->SkanujClick();
    EXPECT_TRUE(w->lista_tmp->count() == 0);
    w->usunClick();
    EXPECT_EQ(texts(w->lista_tmp), QStringList{"WSZYSTKIE WIRUSY USUNIĘTO!!!"});
    w->usunClick();
    EXPECT_EQ(texts(w->lista_tmp), QStringList{"WSZYSTKIE WIRUSY USUNIĘTO!!!"});
}

TEST_F(VirkilWindowTest, SingleRowCommands) {
    writeList("Virus.exe\r\n");
    file("a/Virus.exe");
    file("b/Virus.exe");
    file("c/Virus.exe");
    auto w = open();
    w->SkanujClick();
    ASSERT_EQ(w->ListView1->topLevelItemCount(), 3);
    w->ListView1->setCurrentItem(nullptr);
    w->ListView1Click();
    EXPECT_FALSE(w->usun_pl->isEnabled());

    // Dropping a row keeps its file, and "Usuń" no longer touches it.
    w->ListView1->setCurrentItem(w->ListView1->topLevelItem(0));
    EXPECT_TRUE(w->nie_usun_pl->isEnabled());
    const QString kept = w->currentResult();
    const QString before = w->komunikat->text();
    w->nie_usun_pl->trigger();
    EXPECT_EQ(w->komunikat->text(), before);
    ASSERT_EQ(w->lista2().size(), 2u);
    for (const auto& found : w->lista2())
        EXPECT_NE(QString::fromStdString(found.path), kept);

    // A file in use stays listed, with the message.
    w->ListView1->setCurrentItem(w->ListView1->topLevelItem(0));
    const QString inUse = w->currentResult();
    const std::string inUseDir = inUse.mid(3, 1).toStdString();
    chmod((c / inUseDir / "Virus.exe").c_str(), 0444);
    w->usun_pl->trigger();
    EXPECT_EQ(dialogs.shown.last(), "Nie można usunąć pliku. Ponieważ plik jest używany przez "
                                    "System, program lub innego użytkownika...");
    EXPECT_EQ(w->ListView1->topLevelItemCount(), 2);
    chmod((c / inUseDir / "Virus.exe").c_str(), 0644);

    w->usun_pl->trigger();
    EXPECT_EQ(w->ListView1->topLevelItemCount(), 1);
    EXPECT_FALSE(fs::exists(c / inUseDir / "Virus.exe"));
    EXPECT_EQ(w->komunikat->text(), "Skanowanie zakończone. Znaleziono: 1 wirusów");

    w->usunClick();
    EXPECT_TRUE(fs::exists(c / kept.mid(3, 1).toStdString() / "Virus.exe"));
    EXPECT_EQ(texts(w->lista_tmp), QStringList{"WSZYSTKIE WIRUSY USUNIĘTO!!!"});
}
