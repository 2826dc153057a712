#pragma once

#include "platform/drive_table.h"

#include <QIcon>
#include <QString>

class QStyle;

// How a drive is shown by the drive box and the folder tree.
namespace ui {

QIcon driveIcon(const QStyle* style, platform::DriveType type);
// "Dysk lokalny", "Stacja dysków CD", ...
QString driveTypeName(platform::DriveType type);

} // namespace ui
