#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TForm1;

// The cleaning report: what the last search and removal did. Shown beside the main window
// without blocking it; "ZAMKNIJ" restores the main window's idle look, "Powtórz operację
// skanowania" searches again.
class TRaport : public QDialog {
    Q_OBJECT
public:
    explicit TRaport(TForm1& form1, QWidget* parent = nullptr);

    void FormActivate();
    void OKClick();
    void skanuj_jeszczeClick();

    QLabel* Label1 = nullptr;
    QLabel* lbl_katalogow = nullptr;
    QLabel* lbl_rozmiar = nullptr;
    QLabel* lbl_plikow = nullptr; // written by the junk search
    QLabel* lbl_nie_usunieto = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* skanuj_jeszcze = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    TForm1& form1_;
};
