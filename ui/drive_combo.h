#pragma once

#include "platform/drive_table.h"

#include <QComboBox>

// The drive box: one entry per drive of the drive table, each beginning with the drive letter
// ("c: [drive_c]"). The current drive is reported as one lower-case letter.
namespace ui {

class DriveCombo : public QComboBox {
    Q_OBJECT
public:
    // Starts at drive C, or at the first drive when the table has no C.
    explicit DriveCombo(const platform::DriveTable& drives, QWidget* parent = nullptr);

    // The current drive in lower case; '\0' when the table has no drives.
    char drive() const;
    // Makes the letter (either case) current; a letter not in the table is ignored.
    // driveChanged is emitted when the current drive changes.
    void setDrive(char letter);
    platform::DriveType driveType(char letter) const;

signals:
    // The user or setDrive changed the current drive.
    void driveChanged(char letter);

private:
    platform::DriveTable drives_;
};

} // namespace ui
