#include "cleaner/disk_scanner/disk_result_model.h"

#include "cleaner/shell/file_row_cells.h"

namespace {
const char* const kHeaders[] = {"W katalogu", "Plik", "Modyfikowany", "Rozmiar"};
}

DiskResultModel::DiskResultModel(QObject* parent) : QAbstractTableModel(parent) {}

int DiskResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

int DiskResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant DiskResultModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= shown_)
        return {};
    return fileRowCell(results_[static_cast<std::size_t>(index.row())], index.column());
}

QVariant DiskResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
        return {};
    return QString::fromUtf8(kHeaders[section]);
}

void DiskResultModel::append(cleaner::DiskScanRow&& row) {
    results_.append(std::move(row));
}

void DiskResultModel::removeLater(std::size_t row) {
    if (row >= results_.size())
        return;
    if (removed_.size() < results_.size())
        removed_.resize(results_.size(), false);
    if (!removed_[row]) {
        removed_[row] = true;
        ++pendingRemovals_;
    }
}

void DiskResultModel::flush() {
    if (pendingRemovals_ > 0) {
        beginResetModel();
        results_.removeMarked(removed_);
        removed_.clear();
        pendingRemovals_ = 0;
        shown_ = results_.size();
        endResetModel();
        return;
    }
    if (shown_ == results_.size())
        return;
    beginInsertRows({}, static_cast<int>(shown_), static_cast<int>(results_.size()) - 1);
    shown_ = results_.size();
    endInsertRows();
}

void DiskResultModel::clear() {
    beginResetModel();
    results_.clear();
    removed_.clear();
    pendingRemovals_ = 0;
    shown_ = 0;
    endResetModel();
}

void DiskResultModel::removeRowAt(std::size_t row) {
    flush();
    if (row >= results_.size())
        return;
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
    results_.removeAt(row);
    shown_ = results_.size();
    endRemoveRows();
}
