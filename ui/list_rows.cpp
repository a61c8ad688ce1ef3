#include "ui/list_rows.hpp"

namespace drobi {

ListRows::ListRows(const ListBox& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), shown_(list.ListCount()) {}

int ListRows::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

QVariant ListRows::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shown_) return {};
  if (role != Qt::DisplayRole) return more_ ? more_(index.row(), role) : QVariant();
  return QString::fromStdString(list_.Rows()[static_cast<std::size_t>(index.row())]);
}

Qt::ItemFlags ListRows::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ListRows::RowAppended(int row) {
  if (row != shown_) {  // rows the view missed: start over rather than show wrong ones
    Reset();
    return;
  }
  beginInsertRows(QModelIndex(), row, row);
  shown_ = row + 1;
  endInsertRows();
}

void ListRows::Reset() {
  beginResetModel();
  shown_ = list_.ListCount();
  endResetModel();
}

}  // namespace drobi
