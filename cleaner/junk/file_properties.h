#pragma once

#include <QDialog>
#include <QPoint>

class QLabel;
class QLineEdit;
class QPushButton;
class TForm1;

// The file properties window: name, directory, size in three units, DOS name and date of the
// selected junk-list row, read anew from the disk each time it opens. Borderless; dragged by any
// point of its client area.
class Twlasciwosci_forma : public QDialog {
    Q_OBJECT
public:
    explicit Twlasciwosci_forma(TForm1& form1, QWidget* parent = nullptr);

    void FormActivate();
    void OKClick();

    QLabel* lbl_nazwa = nullptr;
    QLineEdit* lbl_lokalizacja = nullptr;
    QLabel* lbl_rozmiar = nullptr;
    QLabel* lbl_dos = nullptr;
    QLabel* lbl_otwarty = nullptr;
    QPushButton* OK = nullptr;

    // Shown in the size row when the selected file is gone from the disk.
    static QString missingFileText();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TForm1& form1_;
    QPoint dragOffset_;
};
