#pragma once

#include "platform/drive_table.h"

#include <QDialog>

class QLineEdit;
namespace ui {
class ShellFolderTree;
}

namespace virkil {

// "Wybierz katalog...": a folder tree rooted at the desktop; only a folder on a drive is taken
// as the scan target.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(const platform::DriveTable& drives, QWidget* parent = nullptr);

    void katalogiClick();
    void OKClick();
    void AnulujClick();

    // The folder confirmed by OK (the tree's selected folder).
    QString selectedFolder() const { return selected_; }

    ui::ShellFolderTree* katalogi = nullptr;
    QLineEdit* wybrany = nullptr;

private:
    QString selected_;
};

} // namespace virkil
