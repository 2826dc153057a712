#include "ui/shell_folder_tree.h"

#include "common/letter_case.h"
#include "platform/folder_listing.h"
#include "platform/shell.h"
#include "ui/drive_look.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>
#include <cctype>

namespace ui {

const QString ShellFolderTree::desktopName = QStringLiteral("Pulpit");
const QString ShellFolderTree::myComputerName = QStringLiteral("Mój komputer");
const QString ShellFolderTree::networkName = QStringLiteral("Moje miejsca sieciowe");

namespace {

enum Kind { Desktop, MyComputer, Network, DriveItem, Server, Share, Folder, FolderLink };

constexpr int ParsingRole = Qt::UserRole;
constexpr int HostRole = Qt::UserRole + 1; // host directory of drives, shares and folders
constexpr int KindRole = Qt::UserRole + 2;
constexpr int PopulatedRole = Qt::UserRole + 3;

bool samePath(const QString& a, const QString& b) {
    return common::equalsIgnoreAsciiCase(a.toStdString(), b.toStdString());
}

QString childPath(const QString& parent, const QString& name) {
    return parent.endsWith(QLatin1Char('\\')) ? parent + name : parent + '\\' + name;
}

int kindOf(const QTreeWidgetItem* item) {
    return item->data(0, KindRole).toInt();
}

} // namespace

ShellFolderTree::ShellFolderTree(const platform::DriveTable& drives, Root root, QWidget* parent)
    : ShellFolderTree(drives, root, platform::networkShares(), parent) {}

ShellFolderTree::ShellFolderTree(const platform::DriveTable& drives, Root root,
                                 std::vector<platform::NetworkShare> shares, QWidget* parent)
    : QTreeWidget(parent), drives_(drives), root_(root), shares_(std::move(shares)) {
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(19);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);

    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        populate(item);
        updateFolderIcon(item);
    });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { updateFolderIcon(item); });
    connect(this, &QTreeWidget::itemSelectionChanged, this,
            [this] { emit selectionChanged(selectedPath()); });

    QTreeWidgetItem* top = nullptr;
    switch (root_) {
    case Root::MyComputer:
        top = addItem(nullptr, MyComputer, myComputerName, myComputerName);
        break;
    case Root::Network:
        top = addItem(nullptr, Network, networkName, networkName);
        break;
    case Root::Desktop:
        top = addItem(nullptr, Desktop, desktopName, desktopName);
        break;
    }
    top->setExpanded(true);
    if (QTreeWidgetItem* computer = findVirtual(myComputerName))
        computer->setExpanded(true);
}

QTreeWidgetItem* ShellFolderTree::addItem(QTreeWidgetItem* parent, int kind, const QString& text,
                                          const QString& parsingName, const QString& hostPath) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, ParsingRole, parsingName);
    item->setData(0, HostRole, hostPath);
    item->setData(0, KindRole, kind);
    // An expander until the item is listed; a link is never listed.
    item->setChildIndicatorPolicy(kind == FolderLink ? QTreeWidgetItem::DontShowIndicator
                                                     : QTreeWidgetItem::ShowIndicator);
    switch (kind) {
    case Desktop:
        item->setIcon(0, style()->standardIcon(QStyle::SP_DesktopIcon));
        break;
    case MyComputer:
        item->setIcon(0, style()->standardIcon(QStyle::SP_ComputerIcon));
        break;
    case Network:
    case Server:
    case Share:
        item->setIcon(0, style()->standardIcon(QStyle::SP_DriveNetIcon));
        break;
    case DriveItem:
        break; // set by the caller, by drive type
    default:
        updateFolderIcon(item);
    }
    return item;
}

void ShellFolderTree::updateFolderIcon(QTreeWidgetItem* item) {
    const int kind = kindOf(item);
    if (kind == FolderLink)
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirLinkIcon));
    else if (kind == Folder)
        item->setIcon(0, style()->standardIcon(item->isExpanded() ? QStyle::SP_DirOpenIcon
                                                                  : QStyle::SP_DirClosedIcon));
}

void ShellFolderTree::populate(QTreeWidgetItem* item) {
    if (item->data(0, PopulatedRole).toBool())
        return;
    item->setData(0, PopulatedRole, true);
    const QString parsing = item->data(0, ParsingRole).toString();

    auto addFolders = [&](const std::filesystem::path& host, const QString& base) {
        for (const auto& sub : platform::listSubfolders(host)) {
            const QString name = QString::fromStdString(sub.name);
            addItem(item, sub.isLink ? FolderLink : Folder, name, childPath(base, name),
                    QString::fromStdString((host / sub.name).string()));
        }
    };

    switch (kindOf(item)) {
    case Desktop: {
        addItem(item, MyComputer, myComputerName, myComputerName);
        addItem(item, Network, networkName, networkName);
        // The Desktop's own folders, named through the drive that holds the Desktop.
        const auto desktop = platform::desktopDirectory();
        const auto windowsDesktop = desktop ? drives_.windowsPathFor(*desktop) : std::nullopt;
        if (windowsDesktop)
            addFolders(*desktop, QString::fromStdString(*windowsDesktop));
        break;
    }
    case MyComputer:
        for (const platform::Drive& drive : drives_.drives()) {
            const QChar letter = QChar(std::toupper(static_cast<unsigned char>(drive.letter)));
            const platform::DriveType type = drives_.driveType(drive.letter);
            QTreeWidgetItem* child = addItem(
                item, DriveItem, QStringLiteral("%1 (%2:)").arg(driveTypeName(type), letter),
                QStringLiteral("%1:\\").arg(letter), QString::fromStdString(drive.target.string()));
            child->setIcon(0, driveIcon(style(), type));
        }
        break;
    case Network: {
        std::vector<std::string> servers;
        for (const auto& share : shares_) {
            if (std::none_of(servers.begin(), servers.end(), [&](const std::string& s) {
                    return common::equalsIgnoreAsciiCase(s, share.server);
                }))
                servers.push_back(share.server);
        }
        std::sort(servers.begin(), servers.end(), [](const std::string& a, const std::string& b) {
            return common::toLowerAscii(a) < common::toLowerAscii(b);
        });
        for (const std::string& server : servers) {
            const QString name = QString::fromStdString(server);
            addItem(item, Server, name, QStringLiteral("\\\\") + name);
        }
        break;
    }
    case Server: {
        std::vector<const platform::NetworkShare*> shares;
        for (const auto& share : shares_) {
            if (samePath(QStringLiteral("\\\\") + QString::fromStdString(share.server), parsing))
                shares.push_back(&share);
        }
        std::sort(shares.begin(), shares.end(), [](const auto* a, const auto* b) {
            return common::toLowerAscii(a->share) < common::toLowerAscii(b->share);
        });
        for (const auto* share : shares) {
            const QString name = QString::fromStdString(share->share);
            addItem(item, Share, name, childPath(parsing, name),
                    QString::fromStdString(share->mountPoint.string()));
        }
        break;
    }
    case DriveItem:
    case Share:
    case Folder:
        addFolders(item->data(0, HostRole).toString().toStdString(), parsing);
        break;
    default:
        break;
    }
    if (item->childCount() == 0)
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

QString ShellFolderTree::selectedPath() const {
    const auto selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->data(0, ParsingRole).toString();
}

QTreeWidgetItem* ShellFolderTree::findVirtual(const QString& name) {
    QTreeWidgetItem* top = topLevelItem(0);
    if (!top)
        return nullptr;
    if (samePath(top->data(0, ParsingRole).toString(), name))
        return top;
    if (kindOf(top) != Desktop)
        return nullptr;
    populate(top);
    for (int i = 0; i < top->childCount(); ++i) {
        QTreeWidgetItem* child = top->child(i);
        if (kindOf(child) != Folder && kindOf(child) != FolderLink &&
            samePath(child->data(0, ParsingRole).toString(), name))
            return child;
    }
    return nullptr;
}

bool ShellFolderTree::selectPath(const QString& path) {
    QTreeWidgetItem* item = findVirtual(path);
    if (!item) {
        // The parsing names from the container down: "C:\", "C:\a", "C:\a\b" or
        // "\\server", "\\server\share", "\\server\share\a".
        const auto parts = platform::splitWindowsPath(path.toStdString());
        if (parts.empty())
            return false;
        QStringList steps;
        if (path.startsWith(QStringLiteral("\\\\"))) {
            item = findVirtual(networkName);
            steps << QStringLiteral("\\\\") + QString::fromStdString(parts[0]);
        } else if (parts[0].size() == 2 && parts[0][1] == ':' && path.size() >= 2) {
            item = findVirtual(myComputerName);
            steps << QString::fromStdString(parts[0]) + '\\';
        }
        for (std::size_t i = 1; i < parts.size() && !steps.isEmpty(); ++i)
            steps << childPath(steps.back(), QString::fromStdString(parts[i]));
        for (const QString& step : steps) {
            if (!item)
                return false;
            populate(item);
            QTreeWidgetItem* next = nullptr;
            for (int i = 0; i < item->childCount() && !next; ++i) {
                if (samePath(item->child(i)->data(0, ParsingRole).toString(), step))
                    next = item->child(i);
            }
            item = next;
        }
        if (!item)
            return false;
    }
    for (QTreeWidgetItem* up = item->parent(); up; up = up->parent())
        up->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

} // namespace ui
