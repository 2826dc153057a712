#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "Tryby pracy aplikacji...": chooses the operating mode (manual, start with the session,
// monthly reminder) and the automatic cleaning module, and stores them. Created once and reused:
// its controls keep what the user left in them and are never loaded from the stored settings.
class TAdmin : public QDialog {
    Q_OBJECT
public:
    explicit TAdmin(QWidget* parent = nullptr);

    void FormActivate();
    void recznaClick();
    void AutomatClick();
    void auto_runClick();
    void ile_dniClick();
    void miesiacClick();
    void szybko_usunClick();
    // Stores the choice and closes the dialog. A file that cannot be written throws
    // std::system_error (shown by the application's error handler): the remaining steps are
    // skipped and the dialog stays open.
    void ZastosujClick();
    void AnulujClick();
    void Zapisz_od_miesiac();
    void Rejestr_zapisz();
    void zapisz_miesiace();
    void Szybkie_usuwanie();

    QLabel* komunikat = nullptr;
    QRadioButton* reczna = nullptr;
    QRadioButton* Automat = nullptr;
    QRadioButton* auto_run = nullptr;
    QRadioButton* ile_dni = nullptr;
    QRadioButton* miesiac = nullptr;
    QComboBox* cmb_ile = nullptr;
    QCheckBox* szybko_usun = nullptr;
    QCheckBox* szybkie_smietnik = nullptr;
    QCheckBox* szybkie_historia2 = nullptr;
    QCheckBox* szybkie_programy = nullptr;
    QCheckBox* szybkie_zamknij = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* edit_licznik = nullptr;
    QPushButton* Zastosuj = nullptr;
    QPushButton* Anuluj = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
