#pragma once

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class TForm1;

// The directory filter window "Filtruj katalog": a copy of the location list from which the user
// picks the locations to walk; the scan replaces the junk list with what it finds there.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TForm1& form1, QWidget* parent = nullptr);

    void FormActivate();
    void lista1Click(QListWidgetItem* item);
    void lista2Click(QListWidgetItem* item);
    void ZastosujClick();
    void lista1DblClick();
    void AnulujClick();
    bool zaznaczone() const;

    QListWidget* lista1 = nullptr;
    QListWidget* lista2 = nullptr;
    QPushButton* Zastosuj = nullptr;
    QPushButton* Anuluj = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    TForm1& form1_;
};
