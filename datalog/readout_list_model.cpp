#include "datalog/readout_list_model.h"

#include "datalog/readout.h"
#include "instrument/readout_buffers.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"

namespace datalog {

void ReadoutListModel::show_readout() {
    beginResetModel();
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    statistics_.clear();
    for (const std::string& line : statistics_lines()) statistics_ << ui::shown_text(line);
    values_ = readout.dl_buffers_allocated() ? readout.dl_mem_counts() : 0;
    first_value_ = readout.first_value();
    with_date_ = !readout.source().values_only;
    endResetModel();
}

void ReadoutListModel::clear() {
    beginResetModel();
    statistics_.clear();
    values_ = 0;
    endResetModel();
}

int ReadoutListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : statistics_rows() + values_;
}

int ReadoutListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (with_date_ ? 4 : 2);
}

QVariant ReadoutListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const int row = index.row();
    if (row < statistics_rows()) return index.column() == 0 ? statistics_[row] : QVariant();
    const int k = row - statistics_rows();
    // The buffers are the read-out's; a row beyond what they hold now shows nothing.
    if (k >= values_) return {};
    const std::vector<std::string> fields = value_fields(static_cast<std::size_t>(k));
    if (index.column() >= static_cast<int>(fields.size())) return {};
    if (index.column() == 0) return first_value_ + k;
    return QString::fromStdString(fields[static_cast<std::size_t>(index.column())]);
}

QVariant ReadoutListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const captions[] = {UI_TEXT("ohm7416", "Nr."), UI_TEXT("ohm7416", "Wert"),
                                           UI_TEXT("ohm7416", "Datum"),
                                           UI_TEXT("ohm7416", "Uhrzeit")};
    return section >= 0 && section < 4 ? ui::shown_text(captions[section]) : QVariant();
}

QString ReadoutListModel::line(int row) const {
    if (row < statistics_rows()) return statistics_[row];
    const int k = row - statistics_rows();
    return k < values_ ? QString::fromStdString(value_line(static_cast<std::size_t>(k)))
                       : QString();
}

}  // namespace datalog
