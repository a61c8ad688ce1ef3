#include "ui/qt/list_view.hpp"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTimer>
#include <memory>

namespace drobi {

ListView::ListView(ListBox& list, ErrorEdge& edge, QWidget* parent)
    : QListView(parent), list_(list), edge_(edge), rows_(list, this) {
  setModel(&rows_);
  {
    // setModel() made the view a selection model of its own; the view follows the model's
    // instead, and Qt leaves the one it replaces to be deleted here.
    const std::unique_ptr<QItemSelectionModel> made(selectionModel());
    setSelectionModel(&rows_.Selection());
  }
  rows_look_ = new RowDelegate(this);
  setItemDelegate(rows_look_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setUniformItemSizes(true);
  connect(&rows_.Selection(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected) {
            if (!rows_.Following()) TakeSelection(selected);
          });
  // An emptied list starts again at its first row: the rows added next open at the top, not at
  // the old scroll position, which the view would otherwise keep until its next layout.
  connect(&rows_, &QAbstractItemModel::modelReset, this, &QListView::scrollToTop);
}

QItemSelectionModel::SelectionFlags ListView::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
  // A click never takes the selection away (Qt's Ctrl+click would): it selects the row.
  if (command & QItemSelectionModel::Deselect) {
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  }
  return command;
}

void ListView::mousePressEvent(QMouseEvent* event) {
  // Only the left button selects, as in a Windows list; any button takes the focus.
  if (event->button() != Qt::LeftButton) {
    event->accept();
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    return;
  }
  ++entry_;
  const QModelIndex index = indexAt(event->position().toPoint());
  const bool on_selected = index.isValid() && index.row() == list_.ListIndex();
  // A press on another row changes the selection, which becomes the click; one on the selected
  // row changes nothing there, and is a click all the same.
  QListView::mousePressEvent(event);
  if (on_selected) UserSelects(index.row());
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a click of its own.
  const bool on_row = indexAt(event->position().toPoint()).isValid();
  mousePressEvent(event);
  if (on_row && event->button() == Qt::LeftButton) emit Opened();
}

void ListView::keyPressEvent(QKeyEvent* event) {
  ++entry_;
  // Qt's keys move from the view's current row, which must be the list's selection (none gives
  // "first row" for the first move).
  if (currentIndex().row() != list_.ListIndex()) rows_.FollowSelection();
  QListView::keyPressEvent(event);
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) emit Opened();
}

void ListView::focusInEvent(QFocusEvent* event) {
  {
    // Qt's item views make the first row current on entry when none is, to show where the keys
    // start; a screen reader must not hear it as a focused row, as it is not selected.
    QScopedValueRollback entering(entering_, true);
    QListView::focusInEvent(event);
  }
  // The list itself is announced once this returns. A screen reader drops a focus that a newer
  // one supersedes before it has spoken, so the row waits until the reader has said the list's
  // name and description; a key or a click before then speaks a row of its own.
  QTimer::singleShot(kRowAnnounceDelayMs, this, [this, entry = ++entry_] {
    if (entry == entry_) AnnounceSelectedRow();
  });
}

void ListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // QListView tells a screen reader that the new current row has the focus, also in a list that
  // does not have it.
  if (hasFocus() && !entering_) {
    QListView::currentChanged(current, previous);
  } else {
    QAbstractItemView::currentChanged(current, previous);
  }
}

void ListView::AnnounceSelectedRow() {
  const int row = list_.ListIndex();
  if (!hasFocus() || !QAccessible::isActive() || row < 0 || row >= rows_.rowCount()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(row);
  QAccessible::updateAccessibility(&focus);
}

void ListView::SetLineWidth(int pixels) {
  rows_look_->SetLineWidth(pixels);
  viewport()->update();
}

void ListView::KeepSelectionInView() {
  if (list_.ListIndex() >= 0) scrollTo(rows_.index(list_.ListIndex()));
}

void ListView::TakeSelection(const QItemSelection& selected) {
  const QModelIndexList rows = selected.indexes();
  if (!rows.isEmpty() && rows.back().row() != list_.ListIndex()) {
    UserSelects(rows.back().row());
    return;
  }
  // A change that selects no other row only takes the selection away (as an assistive tool does
  // before it selects a row): the list keeps its row.
  const QModelIndexList now = selectionModel()->selectedIndexes();
  if (now.size() != 1 || now.front().row() != list_.ListIndex()) rows_.FollowSelection();
}

void ListView::UserSelects(int row) {
  edge_.Run([this, row] { list_.UserClick(row); });
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  if (!index.data(ListModel::kPeriodStartRole).toBool()) return;
  // The text colour contrasts with the list's base by design, and so with any tint.
  const QRect& row = option.rect;
  painter->fillRect(row.x(), row.y(), row.width(), line_width_,
                    option.palette.color(QPalette::Text));
}

}  // namespace drobi
