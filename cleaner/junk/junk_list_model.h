#pragma once

#include "cleaner/junk/junk_search.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of the junk list. Rows found by a walk are appended to a pending buffer and handed to
// the view in one insertion per flush, so a search of 100 000 files does not lay the view out
// 100 000 times; every question about the rows counts the pending ones too.
class JunkListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit JunkListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void append(const cleaner::JunkRow& row);
    // Shows the pending rows.
    void flush();
    void clear();
    void removeRowAt(std::size_t row);
    // Removes the rows at the given ascending indices in one change of the view.
    void removeRows(const std::vector<std::size_t>& ascendingRows);
    // Directory followed by name: the full path the row shows.
    std::string fullPath(std::size_t row) const;

    std::size_t size() const { return rows_.size(); }
    const cleaner::JunkRow& row(std::size_t index) const { return rows_[index]; }

private:
    std::vector<cleaner::JunkRow> rows_;
    std::size_t shown_ = 0; // rows the view knows of; the rest are pending
};
