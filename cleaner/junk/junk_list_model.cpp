#include "cleaner/junk/junk_list_model.h"

#include "cleaner/shell/file_row_cells.h"

#include <algorithm>

namespace {
const char* const kHeaders[] = {"W katalogu", "Plik", "Zmodyfikowany", "Rozmiar"};
}

JunkListModel::JunkListModel(QObject* parent) : QAbstractTableModel(parent) {}

int JunkListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

int JunkListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant JunkListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= shown_)
        return {};
    return fileRowCell(rows_[static_cast<std::size_t>(index.row())], index.column());
}

QVariant JunkListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
        return {};
    return QString::fromUtf8(kHeaders[section]);
}

void JunkListModel::append(const cleaner::JunkRow& row) {
    rows_.push_back(row);
}

void JunkListModel::flush() {
    if (shown_ == rows_.size())
        return;
    beginInsertRows({}, static_cast<int>(shown_), static_cast<int>(rows_.size()) - 1);
    shown_ = rows_.size();
    endInsertRows();
}

void JunkListModel::clear() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    shown_ = 0;
    endResetModel();
}

void JunkListModel::removeRowAt(std::size_t row) {
    if (row >= rows_.size())
        return;
    flush();
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    shown_ = rows_.size();
    endRemoveRows();
}

void JunkListModel::removeRows(const std::vector<std::size_t>& ascendingRows) {
    if (ascendingRows.empty())
        return;
    beginResetModel();
    std::vector<cleaner::JunkRow> kept;
    kept.reserve(rows_.size() - std::min(rows_.size(), ascendingRows.size()));
    std::size_t next = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (next < ascendingRows.size() && ascendingRows[next] == i) {
            ++next;
            continue;
        }
        kept.push_back(std::move(rows_[i]));
    }
    rows_ = std::move(kept);
    shown_ = rows_.size();
    endResetModel();
}

std::string JunkListModel::fullPath(std::size_t row) const {
    return rows_.at(row).directory + rows_.at(row).name;
}
