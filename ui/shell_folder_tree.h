#pragma once

#include "platform/drive_table.h"
#include "platform/windows_path.h"

#include <QTreeWidget>

#include <vector>

// The shell folder tree: folders only, listed lazily when an item is first expanded. Each item
// has a parsing name: "C:\" for a drive, "C:\Windows\Temp" for a folder (no trailing
// backslash), "\\server" and "\\server\share" in the network neighbourhood, and the display name
// for the virtual folders ("Pulpit", "Mój komputer", "Moje miejsca sieciowe").
// A link to a directory is shown with the link icon and is a leaf (see platform::Subfolder).
namespace ui {

class ShellFolderTree : public QTreeWidget {
    Q_OBJECT
public:
    enum class Root {
        MyComputer, // "Mój komputer": the drives of the table, then their folders
        Network,    // "Moje miejsca sieciowe": servers, their shares, then folders
        Desktop,    // "Pulpit": My Computer, the network and the Desktop's own folders
    };

    // The network neighbourhood lists platform::networkShares().
    ShellFolderTree(const platform::DriveTable& drives, Root root, QWidget* parent = nullptr);
    // The network neighbourhood lists the shares given.
    ShellFolderTree(const platform::DriveTable& drives, Root root,
                    std::vector<platform::NetworkShare> shares, QWidget* parent = nullptr);

    Root root() const { return root_; }
    // The parsing name of the selected item; empty when nothing is selected.
    QString selectedPath() const;
    // Selects the item of that parsing name (letter case ignored, a trailing backslash allowed),
    // expanding the tree down to it. false, selection unchanged, when there is no such item.
    bool selectPath(const QString& path);

    static const QString desktopName;
    static const QString myComputerName;
    static const QString networkName;

signals:
    // The selection moved (click, keyboard or selectPath); path as selectedPath() gives it.
    // Callers that react to clicks only use itemClicked and read selectedPath().
    void selectionChanged(const QString& path);

private:
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, int kind, const QString& text,
                             const QString& parsingName, const QString& hostPath = {});
    void populate(QTreeWidgetItem* item);
    QTreeWidgetItem* findVirtual(const QString& name);
    void updateFolderIcon(QTreeWidgetItem* item);

    platform::DriveTable drives_;
    Root root_;
    std::vector<platform::NetworkShare> shares_;
};

} // namespace ui
