#pragma once

#include "platform/drive_table.h"

#include <QListWidget>
#include <QStringList>

// The directory list box: the drive root ("C:\"), each folder on the path to the current
// directory, then the subfolders of the current directory, every entry a bare folder name
// indented by its depth. Double-click or Enter on an entry makes it the current directory.
namespace ui {

class DirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    // Starts at the root of drive C, or of the first drive when the table has no C.
    explicit DirectoryListBox(const platform::DriveTable& drives, QWidget* parent = nullptr);

    // The current directory as a Windows path with the folders' own letter case: "C:\Windows";
    // the root is "C:\".
    QString directory() const;
    // Moves to the directory (letter case ignored, a trailing backslash allowed). A path that
    // does not exist stops at its deepest existing folder; a link to a directory is a leaf, so
    // a path going on below one stops at the link. A path on an unknown drive is ignored.
    void setDirectory(const QString& windowsPath);
    // Moves to the root of the drive (either case); an unknown letter is ignored.
    void setDrive(char letter);
    char drive() const { return drive_; }

signals:
    void directoryChanged(const QString& windowsPath);

private:
    void rebuild();

    platform::DriveTable drives_;
    char drive_ = '\0';   // lower case
    QStringList folders_; // the path below the root, as named on disk
    bool currentIsLink_ = false;
};

} // namespace ui
