#include "ui/drive_look.h"

#include <QStyle>

namespace ui {

QIcon driveIcon(const QStyle* style, platform::DriveType type) {
    switch (type) {
    case platform::DriveType::CdRom:
        return style->standardIcon(QStyle::SP_DriveCDIcon);
    case platform::DriveType::Removable:
        return style->standardIcon(QStyle::SP_DriveFDIcon);
    case platform::DriveType::Network:
        return style->standardIcon(QStyle::SP_DriveNetIcon);
    default:
        return style->standardIcon(QStyle::SP_DriveHDIcon);
    }
}

QString driveTypeName(platform::DriveType type) {
    switch (type) {
    case platform::DriveType::Fixed:
        return QStringLiteral("Dysk lokalny");
    case platform::DriveType::Removable:
        return QStringLiteral("Dysk wymienny");
    case platform::DriveType::CdRom:
        return QStringLiteral("Stacja dysków CD");
    case platform::DriveType::Network:
        return QStringLiteral("Dysk sieciowy");
    case platform::DriveType::RamDisk:
        return QStringLiteral("Dysk RAM");
    default:
        return QStringLiteral("Dysk");
    }
}

} // namespace ui
