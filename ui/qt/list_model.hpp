#pragma once

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <memory>

#include "ui/lesson/row_texts.hpp"
#include "ui/model/list_box.hpp"

namespace drobi {

// Serves a ListBox's rows to a Qt view straight from the ListBox, and keeps a selection model on
// the row the ListBox has selected. It follows the ListBox through its observer, so the view holds
// no copy of the rows and shows every change at once.
//
// The model only counts the rows that the view has been told about, because Qt's views require
// the row count to change between the begin and end notifications of an insertion, whereas the
// ListBox reports a row after adding it.
class ListModel : public QAbstractListModel, private ListBoxObserver {
  Q_OBJECT

 public:
  // Roles beside Qt's own for the rows of the long number.
  static constexpr int kPeriodStartRole = Qt::UserRole + 1;  // bool: a turn of the period starts
  static constexpr int kPeriodTurnRole = Qt::UserRole + 2;   // int: the turn, 0 outside the period

  ListModel(ListBox& list, QObject* parent);
  ~ListModel() override;
  ListModel(const ListModel&) = delete;
  ListModel& operator=(const ListModel&) = delete;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The selection that views of this model show: always the ListBox's selected row.
  QItemSelectionModel& Selection() { return selection_; }
  // True while the model itself is writing that selection, from the ListBox.
  bool Following() const { return following_; }
  // Makes the selection the ListBox's row again, after someone else has changed it.
  void FollowSelection() { IndexChanged(list_.ListIndex()); }

  // What the rows show beyond their texts: hover and accessible texts, tints and the period roles.
  void SetRowTexts(std::unique_ptr<const RowTexts> texts);

 private:
  void RowAdded(int row, const std::string& text) override;
  void Cleared() override;
  void IndexChanged(int index) override;

  QVariant MarkData(int row, int role) const;

  ListBox& list_;
  QItemSelectionModel selection_;
  int shown_ = 0;
  bool following_ = false;
  std::unique_ptr<const RowTexts> marks_;
};

}  // namespace drobi
