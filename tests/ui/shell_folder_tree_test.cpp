#include "ui/shell_folder_tree.h"

#include "support/sandbox.h"
#include "ui/qt_printers.h"

#include <gtest/gtest.h>

#include <vector>

namespace fs = std::filesystem;
using ui::ShellFolderTree;

namespace {

QStringList childTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QTreeWidgetItem* child(const QTreeWidgetItem* item, const QString& text) {
    for (int i = 0; i < item->childCount(); ++i) {
        if (item->child(i)->text(0) == text)
            return item->child(i);
    }
    return nullptr;
}

class ShellFolderTreeTest : public testing::Test {
protected:
    ShellFolderTreeTest() {
        fs::create_directories(c / "Windows/Temp");
        fs::create_directories(c / "program files");
        fs::create_directories(c / ".config");
        Sandbox::writeFile(c / "boot.ini", "x");
        fs::create_directories(sandbox.root() / "outside/Secret");
        fs::create_directory_symlink(sandbox.root() / "outside", c / "Linked");
        drives.overrideDriveType('d', platform::DriveType::CdRom);
    }

    Sandbox sandbox;
    fs::path c = sandbox.addDrive('c');
    fs::path d = sandbox.addDrive('d');
    platform::DriveTable drives{{{'c', c}, {'d', d}}};
};

TEST_F(ShellFolderTreeTest, ListsDrivesThenTheirFoldersWhenExpanded) {
    ShellFolderTree tree(drives, ShellFolderTree::Root::MyComputer);
    QTreeWidgetItem* computer = tree.topLevelItem(0);
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_EQ(computer->text(0), "Mój komputer");
    EXPECT_EQ(childTexts(computer), (QStringList{"Dysk lokalny (C:)", "Stacja dysków CD (D:)"}));

    // A drive is listed only when expanded: a folder made after the tree was built shows up.
    QTreeWidgetItem* driveC = computer->child(0);
    EXPECT_EQ(driveC->childCount(), 0);
    EXPECT_EQ(driveC->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    fs::create_directories(c / "Made Later");
    driveC->setExpanded(true);
    EXPECT_EQ(childTexts(driveC),
              (QStringList{"Linked", "Made Later", "program files", "Windows"}));

    // An empty drive loses its expander once listed.
    QTreeWidgetItem* driveD = computer->child(1);
    driveD->setExpanded(true);
    EXPECT_EQ(driveD->childCount(), 0);
    EXPECT_EQ(driveD->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
}

TEST_F(ShellFolderTreeTest, SelectPathIgnoresCaseAndSelectedPathGivesTheParsingName) {
    ShellFolderTree tree(drives, ShellFolderTree::Root::MyComputer);
    std::vector<QString> signalled;
    QObject::connect(&tree, &ShellFolderTree::selectionChanged,
                     [&](const QString& path) { signalled.push_back(path); });

    const struct {
        const char* asked;
        const char* selected;
    } cases[] = {
        {"c:\\WINDOWS\\temp", "C:\\Windows\\Temp"},
        {"C:\\Windows\\", "C:\\Windows"},
        {"c:\\", "C:\\"},
        {"d:", "D:\\"},
        {"mój komputer", "Mój komputer"},
        {"C:\\Linked", "C:\\Linked"}, // a link is there to be picked
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.asked);
        EXPECT_TRUE(tree.selectPath(QString::fromUtf8(test.asked)));
        EXPECT_EQ(tree.selectedPath(), QString::fromUtf8(test.selected));
        EXPECT_EQ(signalled.back(), QString::fromUtf8(test.selected));
    }

    tree.selectPath("C:\\Windows\\Temp");
    EXPECT_TRUE(tree.currentItem()->parent()->isExpanded());
    for (const char* missing :
         {"C:\\Nowhere", "C:\\Linked\\Secret", "C:\\.config", "Q:\\", "\\\\server\\share", ""}) {
        SCOPED_TRACE(missing);
        EXPECT_FALSE(tree.selectPath(missing));
        EXPECT_EQ(tree.selectedPath(), "C:\\Windows\\Temp");
    }
}

TEST_F(ShellFolderTreeTest, ALinkToADirectoryIsALeafAndAVanishedDriveListsNothing) {
    ShellFolderTree tree(drives, ShellFolderTree::Root::MyComputer);
    ASSERT_TRUE(tree.selectPath("C:\\Linked"));
    QTreeWidgetItem* link = tree.currentItem();
    EXPECT_EQ(link->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    link->setExpanded(true);
    EXPECT_EQ(link->childCount(), 0);

    fs::remove_all(c);
    ShellFolderTree fresh(drives, ShellFolderTree::Root::MyComputer);
    QTreeWidgetItem* vanished = fresh.topLevelItem(0)->child(0);
    // A drive whose target vanished has no root any more: it is still shown, by its letter.
    EXPECT_EQ(vanished->text(0), "Dysk (C:)");
    vanished->setExpanded(true);
    EXPECT_EQ(vanished->childCount(), 0);
}

TEST_F(ShellFolderTreeTest, NetworkRootListsServersThenSharesThenFolders) {
    const fs::path pub = sandbox.root() / "mnt/public";
    fs::create_directories(pub / "Docs");
    fs::create_directories(sandbox.root() / "mnt/home");
    fs::create_directories(sandbox.root() / "mnt/x");
    ShellFolderTree tree(drives, ShellFolderTree::Root::Network,
                         {{"srv", "Public", pub},
                          {"srv", "home", sandbox.root() / "mnt/home"},
                          {"alpha", "x", sandbox.root() / "mnt/x"}});
    QTreeWidgetItem* network = tree.topLevelItem(0);
    EXPECT_EQ(network->text(0), "Moje miejsca sieciowe");
    EXPECT_EQ(childTexts(network), (QStringList{"alpha", "srv"}));

    ASSERT_TRUE(tree.selectPath("\\\\SRV"));
    EXPECT_EQ(tree.selectedPath(), "\\\\srv");
    tree.currentItem()->setExpanded(true);
    EXPECT_EQ(childTexts(tree.currentItem()), (QStringList{"home", "Public"}));
    ASSERT_TRUE(tree.selectPath("\\\\srv\\public\\DOCS"));
    EXPECT_EQ(tree.selectedPath(), "\\\\srv\\Public\\Docs");
    EXPECT_FALSE(tree.selectPath("C:\\Windows")); // no drives below the network
}

TEST_F(ShellFolderTreeTest, DesktopRootHoldsMyComputerTheNetworkAndTheDesktopFolders) {
    // Drive E holds the home, so the Desktop's folders get Windows paths on it.
    platform::DriveTable withHome{{{'c', c}, {'e', sandbox.home()}}};
    fs::create_directories(sandbox.home() / "Desktop/Projekty");
    ShellFolderTree tree(withHome, ShellFolderTree::Root::Desktop, {});
    QTreeWidgetItem* desktop = tree.topLevelItem(0);
    EXPECT_EQ(desktop->text(0), "Pulpit");
    EXPECT_EQ(childTexts(desktop),
              (QStringList{"Mój komputer", "Moje miejsca sieciowe", "Projekty"}));

    tree.setCurrentItem(child(desktop, "Projekty"));
    EXPECT_EQ(tree.selectedPath(), "E:\\Desktop\\Projekty");
    ASSERT_TRUE(tree.selectPath("c:\\windows"));
    EXPECT_EQ(tree.selectedPath(), "C:\\Windows");
    ASSERT_TRUE(tree.selectPath("Pulpit"));
    EXPECT_EQ(tree.selectedPath(), "Pulpit");
}

} // namespace
