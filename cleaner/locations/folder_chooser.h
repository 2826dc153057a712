#pragma once

#include "platform/drive_table.h"
#include "platform/windows_path.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QVBoxLayout;
namespace ui {
class ShellFolderTree;
}

// The folder chooser "Wybierz katalog...": a tree of the shell's folders from which the location
// editor, the disk scanner and dynamic deletion pick a path. A caller creates one for each use,
// sets the mode text in Edit1 ("1", "2" or "3") and shows it modally; after exec() returns
// Accepted, chosenPath() is the path to write back to the caller's own control.
class TFormy : public QDialog {
    Q_OBJECT
public:
    explicit TFormy(const platform::DriveTable& drives, QWidget* parent = nullptr);
    // The network neighbourhood lists the shares given instead of the mounted ones (tests).
    TFormy(const platform::DriveTable& drives, std::vector<platform::NetworkShare> shares,
           QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr; // hidden: the chooser mode
    ui::ShellFolderTree* katalogi = nullptr;
    QLineEdit* wybrany = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Anuluj = nullptr;

    // Sets the tree root from the mode: My Computer for "1" and "3", else the network.
    void FormActivate();
    void katalogiClick();
    void OKClick();
    void AnulujClick();

    // The path that passed the mode's test; empty unless OK closed the window.
    QString chosenPath() const { return chosen_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createTree(bool network);

    platform::DriveTable drives_;
    std::optional<std::vector<platform::NetworkShare>> shares_;
    QVBoxLayout* treeBox_ = nullptr;
    QString chosen_;
};
