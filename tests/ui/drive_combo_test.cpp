#include "ui/drive_combo.h"

#include "support/sandbox.h"
#include "ui/qt_printers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class DriveComboTest : public testing::Test {
protected:
    Sandbox sandbox;
    // D before C: the box still starts at C, as the current drive.
    platform::DriveTable drives{{{'d', sandbox.addDrive('d')}, {'c', sandbox.addDrive('c')}}};
};

TEST_F(DriveComboTest, EntriesBeginWithTheLetterAndTheCurrentDriveIsLowerCase) {
    ui::DriveCombo box(drives);
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.itemText(0), "d: [drive_d]");
    EXPECT_EQ(box.itemText(1), "c: [drive_c]");
    EXPECT_EQ(box.drive(), 'c');
}

TEST_F(DriveComboTest, SetDriveChangesTheDriveOnceAndIgnoresUnknownLetters) {
    ui::DriveCombo box(drives);
    std::vector<char> changed;
    QObject::connect(&box, &ui::DriveCombo::driveChanged,
                     [&](char letter) { changed.push_back(letter); });

    box.setDrive('D');
    EXPECT_EQ(box.drive(), 'd');
    box.setDrive('d'); // already current: no second change
    box.setDrive('x');
    EXPECT_EQ(box.drive(), 'd');
    EXPECT_EQ(changed, std::vector<char>{'d'});

    box.setCurrentIndex(1); // as the user picks C
    EXPECT_EQ(changed, (std::vector<char>{'d', 'c'}));
}

TEST_F(DriveComboTest, DriveTypeComesFromTheDriveTable) {
    drives.overrideDriveType('d', platform::DriveType::CdRom);
    ui::DriveCombo box(drives);
    EXPECT_EQ(box.driveType('D'), platform::DriveType::CdRom);
    EXPECT_EQ(box.driveType('d'), platform::DriveType::CdRom);
}

} // namespace
