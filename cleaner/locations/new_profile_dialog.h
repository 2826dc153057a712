#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class TForm1;
class TForm13;
namespace ui {
class DirectoryListBox;
}

// "Nowy profil użytkownika": adds the junk locations of one more user of the running system.
// The user picks the profile folder; the name is refused when it is registered already or is a
// system folder; else its locations are appended to the family's list file, the name to
// prof.dat, and the main window's list is reloaded.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(TForm1& main, QWidget* parent = nullptr);

    // The other system profile dialog opened by `inny_so` (it closes this one when it saves).
    void setOtherSystemDialog(TForm13* dialog) { otherSystem_ = dialog; }

    ui::DirectoryListBox* katalog = nullptr;
    QLineEdit* profil = nullptr;
    QListWidget* user = nullptr; // hidden: the lines of prof.dat
    QPushButton* Zapisz = nullptr;
    QPushButton* Anuluj = nullptr;
    QPushButton* inny_so = nullptr;

    void FormActivate();
    void katalogClick();
    void ZapiszClick();
    void AnulujClick();
    void inny_soClick();

    // The name in `profil` is one of the lines of `user` (a-z letter case ignored).
    bool Jest_profil() const;
    // Append the chosen profile's locations to lista.dat / lista_XP.dat / lista_NT.dat (only
    // when the file exists) and reset the folders' attributes. Throw common::EncodingError or
    // std::system_error when the list file cannot take the lines; it is then unchanged.
    void Dopisz_98();
    void Dopisz_Xp();
    void Dopisz_NT();
    // Registers the name in prof.dat when that file exists. Throws std::system_error.
    void Dopisz_profil();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void closeDialog();
    std::string profileName() const;
    std::string ntDrive() const;

    TForm1& main_;
    TForm13* otherSystem_ = nullptr;
};
