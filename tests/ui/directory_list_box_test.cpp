#include "ui/directory_list_box.h"

#include "support/sandbox.h"
#include "ui/qt_printers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr int LevelRole = Qt::UserRole + 1;

class DirectoryListBoxTest : public testing::Test {
protected:
    DirectoryListBoxTest() {
        fs::create_directories(c / "Windows/Temp/Old");
        fs::create_directories(c / "Windows/system");
        fs::create_directories(c / "Windows/.hidden");
        fs::create_directories(c / "Program Files");
        fs::create_directories(sandbox.root() / "home/Pulpit/Inside");
        fs::create_directory_symlink(sandbox.root() / "home/Pulpit", c / "Windows/Desktop");
        box.resize(300, 300);
        box.show();
    }

    // Each entry as its text and depth.
    std::vector<std::pair<QString, int>> entries() const {
        std::vector<std::pair<QString, int>> out;
        for (int i = 0; i < box.count(); ++i)
            out.emplace_back(box.item(i)->text(), box.item(i)->data(LevelRole).toInt());
        return out;
    }

    QListWidgetItem* entry(const QString& text) const {
        const auto found = box.findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }

    void doubleClick(QListWidgetItem* item) {
        const QPoint at = box.visualItemRect(item).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, box.viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(box.viewport(), &event);
        }
    }

    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    fs::path d = sandbox.addDrive('d');
    platform::DriveTable drives{{{'c', c}, {'d', d}}};
    ui::DirectoryListBox box{drives};
};

TEST_F(DirectoryListBoxTest, ShowsRootPathAndSubfoldersIndentedByDepth) {
    box.setDirectory("c:\\WINDOWS\\");
    EXPECT_EQ(box.directory(), "C:\\Windows");
    const std::vector<std::pair<QString, int>> expected = {
        {"C:\\", 0}, {"Windows", 1}, {"Desktop", 2}, {"system", 2}, {"Temp", 2}};
    EXPECT_EQ(entries(), expected);
    EXPECT_EQ(box.currentItem()->text(), "Windows");
}

TEST_F(DirectoryListBoxTest, DoubleClickDescendsAndEnterAscends) {
    box.setDirectory("C:\\Windows");
    std::vector<QString> changes;
    QObject::connect(&box, &ui::DirectoryListBox::directoryChanged,
                     [&](const QString& path) { changes.push_back(path); });

    doubleClick(entry("Temp"));
    EXPECT_EQ(box.directory(), "C:\\Windows\\Temp");
    const std::vector<std::pair<QString, int>> below = {
        {"C:\\", 0}, {"Windows", 1}, {"Temp", 2}, {"Old", 3}};
    EXPECT_EQ(entries(), below);

    box.setCurrentItem(entry("C:\\"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    EXPECT_EQ(box.directory(), "C:\\");
    const std::vector<std::pair<QString, int>> root = {
        {"C:\\", 0}, {"Program Files", 1}, {"Windows", 1}};
    EXPECT_EQ(entries(), root);

    EXPECT_EQ(changes, (std::vector<QString>{"C:\\Windows\\Temp", "C:\\"}));
}

TEST_F(DirectoryListBoxTest, ALinkToADirectoryIsShownButNothingBelowItIsListed) {
    box.setDirectory("C:\\Windows\\Desktop\\Inside");
    EXPECT_EQ(box.directory(), "C:\\Windows\\Desktop");
    const std::vector<std::pair<QString, int>> expected = {
        {"C:\\", 0}, {"Windows", 1}, {"Desktop", 2}};
    EXPECT_EQ(entries(), expected);
}

TEST_F(DirectoryListBoxTest, MissingFoldersAndVanishedDrivesFallBack) {
    box.setDirectory("C:\\Windows\\Gone\\Deeper");
    EXPECT_EQ(box.directory(), "C:\\Windows");

    box.setDirectory("Q:\\Windows"); // unknown drive: nothing changes
    EXPECT_EQ(box.directory(), "C:\\Windows");

    fs::create_directories(d / "Data");
    fs::remove_all(d);
    box.setDrive('D');
    EXPECT_EQ(box.directory(), "D:\\");
    const std::vector<std::pair<QString, int>> rootOnly = {{"D:\\", 0}};
    EXPECT_EQ(entries(), rootOnly);
}

} // namespace
