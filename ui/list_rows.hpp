#pragma once

#include <QAbstractListModel>
#include <functional>
#include <utility>

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

  // What a row shows besides its text (hover text, tint, accessible text), asked for by row and
  // role; the text itself always comes from the ListBox.
  using MoreRoles = std::function<QVariant(int row, int role)>;
  void SetMoreRoles(MoreRoles more) { more_ = std::move(more); }

  void RowAppended(int row);
  void Reset();

 private:
  const ListBox& list_;
  int shown_ = 0;
  MoreRoles more_;
};

}  // namespace drobi
