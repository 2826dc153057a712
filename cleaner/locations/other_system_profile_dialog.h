#pragma once

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TForm1;
class TForm9;
namespace ui {
class DirectoryListBox;
class DriveCombo;
} // namespace ui

// "Nowy profil - Inny system operacyjny": adds the junk locations of a user profile of another
// Windows installation on this computer. The user names the system and its drive; the dialog
// checks that the system is installed there before listing its profile folders. The lines go to
// the list file of the running family, the name to prof.dat.
class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(TForm1& main, QWidget* parent = nullptr);

    // The new user profile dialog, closed when this one saves.
    void setNewUserDialog(TForm9* dialog) { newUser_ = dialog; }

    QComboBox* cmb_so = nullptr;
    ui::DriveCombo* dysk = nullptr;
    ui::DirectoryListBox* katalog = nullptr;
    QLineEdit* profil = nullptr;
    QListWidget* user = nullptr; // hidden: the lines of prof.dat
    QPushButton* Zapisz = nullptr;
    QPushButton* Anuluj = nullptr;
    // The two step labels: the current step is blue.
    QLabel* systemStep = nullptr;
    QLabel* driveStep = nullptr;

    void FormActivate();
    void cmb_soChange();
    void dyskClick();
    void katalogClick();
    void ZapiszClick();
    void AnulujClick();

    bool Jest_profil() const;
    // Append the profile's lines to the running family's list file (when it exists) and reset
    // the folders' attributes; throw when the file cannot take the lines (it is then unchanged).
    void Dopisz_98();
    void Dopisz_NT();
    void Dopisz_XP();
    void Dopisz_profil();

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class Group { None, NineX, Nt, Xp };
    Group group() const;
    std::string driveLetter() const;
    std::string profileName() const;
    void markStep(QLabel* current);

    TForm1& main_;
    TForm9* newUser_ = nullptr;
};
