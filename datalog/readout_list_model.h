// The read-out panel's list: the statistics lines, then one row per value read, shown
// straight from the read-out buffers (nothing is copied, so a full block of 20000
// values is listed at once).
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace datalog {

class ReadoutListModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows what instrument::dl_readout holds now (or nothing after clear()).
    void show_readout();
    void clear();

    // Rows before the first value: the statistics lines, which span all columns.
    int statistics_rows() const { return static_cast<int>(statistics_.size()); }
    // The row's text as one line, fields separated by tabs (statistics lines whole).
    QString line(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QStringList statistics_;
    int values_ = 0;
    int first_value_ = 0;
    bool with_date_ = false;
};

}  // namespace datalog
