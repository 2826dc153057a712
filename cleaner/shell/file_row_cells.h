#pragma once

#include <QString>
#include <QVariant>

// The cells of a found-file row as the junk list and the disk scanner's result list show them:
// directory, name, date of the last write, size in kilobytes.
template <class Row> QVariant fileRowCell(const Row& row, int column) {
    switch (column) {
    case 0:
        return QString::fromStdString(row.directory);
    case 1:
        return QString::fromStdString(row.name);
    case 2:
        return QString::fromStdString(row.date);
    case 3:
        return QString::number(row.kilobytes) + QStringLiteral(" KB");
    default:
        return {};
    }
}
