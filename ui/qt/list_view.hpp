#pragma once

#include <QListView>
#include <QStyledItemDelegate>

#include "ui/model/list_box.hpp"
#include "ui/qt/error_edge.hpp"
#include "ui/qt/list_model.hpp"

namespace drobi {

class RowDelegate;

// A list of the window: Qt's list view over a ListModel, handing the user's choices to the
// ListBox.
//
// The view never decides a selection itself. Qt's own handling of a mouse press on a row,
// dragging onto another row, the keys (arrows, pages, typing a row's start) and an assistive
// tool's selection changes the view's selection; each change that the model did not make itself
// becomes one ListBox::UserClick, which raises the list's click, and so does a press on the row
// that is already selected. What the view then shows comes back from the ListBox through the
// model, so a selection that the program writes can never come back as a second click.
//
// A screen reader hears the list's name on entry and then its selected row; it hears a row move
// only in the list that has the focus, never in the lists that the program moves along with it.
class ListView : public QListView {
  Q_OBJECT

 public:
  ListView(ListBox& list, ErrorEdge& edge, QWidget* parent);

  ListModel& Rows() { return rows_; }
  const ListModel& Rows() const { return rows_; }

  // The width of the line above the first row of each turn of the period, grown with the zoom.
  void SetLineWidth(int pixels);
  // Scrolls the selected row into view, as after the rows grew or shrank with the zoom.
  void KeepSelectionInView();

 signals:
  // The user asks for more of the list than its rows: Enter, or a double click on a row (after
  // the click that the second press is).
  void Opened();

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  // A change of the view's selection that the model did not make: the user's, or an assistive
  // tool's.
  void TakeSelection(const QItemSelection& selected);
  void UserSelects(int row);
  // Tells a screen reader that the selected row has the focus, as it hears a list's row on entry.
  void AnnounceSelectedRow();

  // How long a screen reader has to announce the list before it is told of the selected row.
  static constexpr int kRowAnnounceDelayMs = 300;

  ListBox& list_;
  ErrorEdge& edge_;
  bool entering_ = false;  // within Qt's own handling of the focus coming in
  int entry_ = 0;  // counts entries, keys and clicks: a row announcement waits for none between
  ListModel rows_;
  RowDelegate* rows_look_;
};

// Draws a list's rows as Qt's lists do, with the tint a row asks for, and a thin line in the text
// colour above a row whose ListModel::kPeriodStartRole is true.
class RowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void SetLineWidth(int pixels) { line_width_ = pixels; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  int line_width_ = 1;
};

}  // namespace drobi
