#pragma once

#include "platform/drive_table.h"

#include <QDialog>

class QLabel;

namespace virkil {

// "Właściwości pliku...": location, size, short name, date and type of one found file.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(const platform::DriveTable& drives, QWidget* parent = nullptr);

    // Fills the values for the found file at the path (the current result row).
    void FormActivate(const QString& path);

    QLabel* sciezka = nullptr;
    QLabel* rozmiar = nullptr;
    QLabel* dos = nullptr;
    QLabel* modyfikowany = nullptr;
    QLabel* typ = nullptr;

private:
    const platform::DriveTable& drives_;
};

} // namespace virkil
