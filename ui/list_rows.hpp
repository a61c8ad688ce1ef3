#pragma once

#include <QAbstractListModel>

#include "ui/model/list_box.hpp"

namespace drobi {

// Serves a ListBox's rows to a Qt view straight from the ListBox, so the view holds no copy of
// them. It only counts the rows that the view has been told about, because Qt's views require
// the row count to change between the begin and end notifications of an insertion, whereas the
// ListBox reports a row after adding it.
class ListRows : public QAbstractListModel {
  Q_OBJECT

 public:
  ListRows(const ListBox& list, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void RowAppended(int row);
  void Reset();

 private:
  const ListBox& list_;
  int shown_ = 0;
};

}  // namespace drobi
