#pragma once

#include <QDialog>

#include <chrono>

class QLabel;
class QPushButton;
class TForm1;

// "Sprawdzenie i ustawienie konfiguracji...": shown by the main window while prof.dat is
// missing. Writes the family's default locations for the Desktop folder's drive and the
// logged-in user, creates prof.dat, then offers the mode dialog.
class TKonfig : public QDialog {
    Q_OBJECT
public:
    // admin: the mode dialog "TAK" opens.
    TKonfig(TForm1* form, QDialog* admin, QWidget* parent = nullptr);

    // The sequence run when the dialog becomes active: drive letter, Zapisz_konf, the pause,
    // then the final status line and the enabled buttons.
    void FormActivate();
    // Builds, saves and registers the defaults. False when nothing was saved (unsupported
    // system, no user, or a file that could not be written: its error is shown).
    bool Zapisz_konf();
    void takClick();
    void zamknij2Click();

    // The pause before the buttons are offered (2 s); tests shorten it.
    void setPause(std::chrono::milliseconds pause) { pause_ = pause; }
    const QString& drive() const { return drive_; }

    QLabel* status = nullptr;
    QLabel* question = nullptr;
    QPushButton* tak = nullptr;
    QPushButton* zamknij2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1* form_;
    QDialog* admin_;
    QString drive_;
    std::chrono::milliseconds pause_{2000};
    bool writeFailed_ = false;
};
