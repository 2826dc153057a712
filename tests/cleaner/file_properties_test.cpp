#include "removal_fixture.h"

#include "cleaner/junk/file_details.h"
#include "platform/date_format.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace fs = std::filesystem;

class FilePropertiesTest : public JunkWindowTest {
protected:
    Twlasciwosci_forma& properties() { return *windows->wlasciwosci_forma; }

    // Runs the popup command; records what the modal window showed and closes it with "OK".
    bool openProperties() {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (!properties().isVisible())
                return;
            opened = true;
            shown = {properties().lbl_nazwa->text(), properties().lbl_lokalizacja->text(),
                     properties().lbl_rozmiar->text(), properties().lbl_dos->text(),
                     properties().lbl_otwarty->text()};
            properties().OK->click();
        });
        form->wlasciwosci->trigger();
        QApplication::processEvents();
        return opened;
    }

    QStringList shown;
};

TEST_F(FilePropertiesTest, ShowsTheSelectedFileAsTheDiskHasItNow) {
    const fs::path file = c / "temp/Long File Name.tmp";
    Sandbox::writeFile(file, std::string(1500 * 1024, 'x'));
    const std::time_t written = 1700000000;
    fs::last_write_time(
        file, std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(written)));
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->Skaner_smieci();
    selectRow(0);

    ASSERT_TRUE(openProperties());
    EXPECT_EQ(shown,
              (QStringList{"Long File Name.tmp", "C:\\TEMP\\", "1536000 B/ 1500 KB/1 MB",
                           "LONGFI~1.TMP", QString::fromStdString(platform::shortDate(written))}));
    EXPECT_FALSE(properties().isVisible());
}

TEST_F(FilePropertiesTest, AFileGoneSinceTheSearchIsSaidToBeMissing) {
    Sandbox::writeFile(c / "temp/a.tmp", "x");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->Skaner_smieci();
    fs::remove(c / "temp/a.tmp");
    selectRow(0);

    ASSERT_TRUE(openProperties());
    EXPECT_EQ(shown, (QStringList{"a.tmp", "C:\\TEMP\\", "Plik nie istnieje", "", ""}));
}

TEST_F(FilePropertiesTest, NothingOpensWithoutASelectedRowOrAnEmptyList) {
    EXPECT_FALSE(openProperties());
    Sandbox::writeFile(c / "temp/a.tmp", "x");
    setLocations({{"C:\\TEMP", "*.tmp"}});
    form->Skaner_smieci();
    form->ListView1->selectionModel()->clearSelection();
    EXPECT_FALSE(openProperties());
}

TEST(FileDetails, ShortNamesAndSizes) {
    Sandbox sandbox;
    const fs::path c = sandbox.addDrive('c');
    const auto drives = platform::DriveTable::load();
    Sandbox::writeFile(c / "d/a.tmp", "abc");
    Sandbox::writeFile(c / "d/Long File Name.tmp", "");
    Sandbox::writeFile(c / "d/LongFileNameTwo.tmp", "");

    const auto plain = cleaner::readFileDetails(drives, "C:\\d\\", "a.tmp");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->size, 3);
    EXPECT_EQ(plain->dosName, "");
    // Numbered against the other names of the directory.
    const auto first = cleaner::readFileDetails(drives, "C:\\d\\", "Long File Name.tmp");
    const auto second = cleaner::readFileDetails(drives, "C:\\d\\", "LongFileNameTwo.tmp");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->dosName, "LONGFI~1.TMP");
    EXPECT_EQ(second->dosName, "LONGFI~2.TMP");
    EXPECT_FALSE(cleaner::readFileDetails(drives, "C:\\", "d"));

    EXPECT_EQ(cleaner::sizeInThreeUnits(1536000), "1536000 B/ 1500 KB/1 MB");
    EXPECT_EQ(cleaner::sizeInThreeUnits(1023), "1023 B/ 0 KB/0 MB");
}
