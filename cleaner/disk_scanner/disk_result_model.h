#pragma once

#include "cleaner/disk_scanner/disk_scan.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of the disk scanner's result list over DiskScanResults. Rows a walk finds and rows the
// filter drops are held back and shown in one change per flush, so a long list is not laid out
// once per row; every question about the rows counts the pending ones too.
class DiskResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DiskResultModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void append(cleaner::DiskScanRow&& row);
    // Drops a row at the next flush; indices stay valid until then (the filter walks downwards,
    // so it never asks about a row above one it dropped).
    void removeLater(std::size_t row);
    // Shows the pending rows and drops the pending removals.
    void flush();
    void clear();
    void removeRowAt(std::size_t row);

    // Rows, pending removals not counted.
    std::size_t size() const { return results_.size() - pendingRemovals_; }
    const cleaner::DiskScanResults& results() const { return results_; }

private:
    cleaner::DiskScanResults results_;
    std::size_t shown_ = 0; // rows the view knows of
    std::vector<bool> removed_;
    std::size_t pendingRemovals_ = 0;
};
