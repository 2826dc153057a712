#pragma once

#include <QIcon>

#include <vector>

namespace ui {

// An image list: icons of one fixed size addressed by index, as menus and the task pane use them.
class IconList {
public:
    explicit IconList(int size) : size_(size) {}

    void add(const QIcon& icon) { icons_.push_back(icon); }
    // A null icon for an index outside the list, so a missing picture shows nothing.
    QIcon icon(int index) const;
    int count() const { return static_cast<int>(icons_.size()); }
    int size() const { return size_; }

private:
    int size_;
    std::vector<QIcon> icons_;
};

// The program's 16-pixel icons (menus, task pane items). Indices used by the main window:
// 2 delete, 3 settings, 4 close, 6 search, 7 about, 8 help, 9 filter folders, 10 preview list,
// 11 recycle bin, 12 system cleaner, 13 history, 14 web page, 15 disk scanner, 18 background,
// 19 stop, 20 file types, 21 operating modes, 22 other-system profile, 23 new user profile,
// 24 update, 25 virus scanner, 27 clean junk. Drawn on first use; needs a QGuiApplication.
const IconList& icons16();

// The 32-pixel group icons: 0 cleaning (broom), 1 status, 2 options, 3 close.
const IconList& icons32();

} // namespace ui
