#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QStatusBar;
class TForm7;

// "Maski powiększenie...": the scanner's masks in a larger list, with adding and removing.
// Every change goes to the scanner window's list too and is saved to the set in use.
class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(TForm7& scanner, QWidget* parent = nullptr);

    void FormActivate();
    void ListBox1Click();
    void DodajClick();
    void UsunClick();
    void ZamknijClick();

    QString statusPanel() const;

    QListWidget* ListBox1 = nullptr;
    QPushButton* Dodaj = nullptr;
    QPushButton* Usun = nullptr;
    QPushButton* Zamknij = nullptr;
    QStatusBar* StatusBar1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCount();

    TForm7& scanner_;
    QLabel* statusPanel_ = nullptr;
};
