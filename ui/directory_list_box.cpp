#include "ui/directory_list_box.h"

#include "common/letter_case.h"
#include "platform/folder_listing.h"
#include "platform/windows_path.h"

#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cctype>

namespace ui {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int LevelRole = Qt::UserRole + 1;
constexpr int IndentPerLevel = 12;

// Indents each entry by its depth while the entry's text stays the bare folder name.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented = option;
        indented.rect.adjust(index.data(LevelRole).toInt() * IndentPerLevel, 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(LevelRole).toInt() * IndentPerLevel;
        return size;
    }
};

QString rootOf(char drive) {
    return QStringLiteral("%1:\\").arg(QChar(std::toupper(static_cast<unsigned char>(drive))));
}

QString joinPath(char drive, const QStringList& folders) {
    return rootOf(drive) + folders.join(QLatin1Char('\\'));
}

} // namespace

DirectoryListBox::DirectoryListBox(const platform::DriveTable& drives, QWidget* parent)
    : QListWidget(parent), drives_(drives) {
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setDirectory(item->data(PathRole).toString()); });
    if (drives_.target('c'))
        drive_ = 'c';
    else if (!drives_.drives().empty())
        drive_ = static_cast<char>(std::tolower(drives_.drives().front().letter));
    rebuild();
}

QString DirectoryListBox::directory() const {
    return drive_ ? joinPath(drive_, folders_) : QString();
}

void DirectoryListBox::setDirectory(const QString& windowsPath) {
    const std::string path = windowsPath.toStdString();
    if (path.size() < 2 || path[1] != ':' || !drives_.target(path[0]))
        return;
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));

    // Each component is looked up among the listed subfolders, so the path shown has the
    // folders' own letter case and never passes through a link or a hidden folder.
    QStringList folders;
    bool isLink = false;
    for (const std::string& wanted : platform::splitWindowsPath(path.substr(2))) {
        if (isLink)
            break;
        const auto subfolders =
            platform::listSubfolders(drives_, joinPath(drive, folders).toStdString());
        auto found = std::find_if(subfolders.begin(), subfolders.end(), [&](const auto& s) {
            return common::equalsIgnoreAsciiCase(s.name, wanted);
        });
        if (found == subfolders.end())
            break;
        folders << QString::fromStdString(found->name);
        isLink = found->isLink;
    }

    const QString before = directory();
    drive_ = drive;
    folders_ = folders;
    currentIsLink_ = isLink;
    rebuild();
    if (directory() != before)
        emit directoryChanged(directory());
}

void DirectoryListBox::setDrive(char letter) {
    if (drives_.target(letter))
        setDirectory(rootOf(letter));
}

void DirectoryListBox::rebuild() {
    clear();
    if (!drive_)
        return;
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    auto add = [this](const QIcon& icon, const QString& text, const QString& path, int level) {
        auto* item = new QListWidgetItem(icon, text, this);
        item->setData(PathRole, path);
        item->setData(LevelRole, level);
        return item;
    };

    QListWidgetItem* current = add(open, rootOf(drive_), rootOf(drive_), 0);
    QStringList path;
    for (const QString& folder : folders_) {
        path << folder;
        current = add(open, folder, joinPath(drive_, path), static_cast<int>(path.size()));
    }
    if (currentIsLink_)
        current->setIcon(style()->standardIcon(QStyle::SP_DirLinkOpenIcon));
    else {
        const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
        const QIcon link = style()->standardIcon(QStyle::SP_DirLinkIcon);
        const QString base = directory();
        for (const auto& sub : platform::listSubfolders(drives_, base.toStdString())) {
            const QString name = QString::fromStdString(sub.name);
            const QString subPath = path.isEmpty() ? base + name : base + '\\' + name;
            add(sub.isLink ? link : closed, name, subPath, static_cast<int>(path.size()) + 1);
        }
    }
    setCurrentItem(current);
}

} // namespace ui
