#include "ui/list_view.hpp"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

#include "ui/list_rows.hpp"
#include "ui/row_painter.hpp"

namespace drobi {

ListView::ListView(ListBox& list, ErrorEdge& edge, QWidget* parent)
    : QListView(parent), list_(list), edge_(edge), rows_(new ListRows(list, this)),
      painter_(new RowPainter(this)) {
  setModel(rows_);
  setItemDelegate(painter_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setUniformItemSizes(true);
  ShowIndex(list_.ListIndex());
  list_.SetObserver(this);
}

ListView::~ListView() { list_.SetObserver(nullptr); }

void ListView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  // Below the last row indexAt() finds nothing, and nothing happens, as in a Windows list.
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) UserSelects(index.row());
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a click of its own.
  mousePressEvent(event);
}

void ListView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) {
    QListView::mouseMoveEvent(event);
    return;
  }
  event->accept();
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index.row() != list_.ListIndex()) UserSelects(index.row());
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
  // The click was handled on the press; the base class would act on its own idea of the press.
  event->accept();
}

void ListView::keyPressEvent(QKeyEvent* event) {
  // Qt's keyboard handling moves from the view's current row, which must be the list's selection
  // (none gives "first row" for the first move down).
  if (currentIndex().row() != list_.ListIndex()) ShowIndex(list_.ListIndex());
  QListView::keyPressEvent(event);
  const QModelIndex current = currentIndex();
  const int row = current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
  if (row >= 0 && row != list_.ListIndex()) {
    UserSelects(row);
  } else if (row != list_.ListIndex()) {
    ShowIndex(list_.ListIndex());
  }
}

void ListView::SetMoreRoles(std::function<QVariant(int row, int role)> more) {
  rows_->SetMoreRoles(std::move(more));
  viewport()->update();
}

void ListView::SetSeparatorRole(int role) {
  painter_->SetSeparatorRole(role);
  viewport()->update();
}

void ListView::RowAdded(int row, const std::string&) { rows_->RowAppended(row); }

void ListView::Cleared() {
  rows_->Reset();
  // A list that is emptied starts again at its first row; the rows added next must not open at
  // the old scroll position, which the view would otherwise keep until its next layout.
  scrollToTop();
}

void ListView::IndexChanged(int index) { ShowIndex(index); }

void ListView::ShowIndex(int index) {
  QItemSelectionModel* selection = selectionModel();
  if (index < 0 || index >= rows_->rowCount()) {
    selection->clear();
    return;
  }
  const QModelIndex row = rows_->index(index);
  selection->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
  scrollTo(row);
}

void ListView::UserSelects(int row) {
  edge_.Run([this, row] { list_.UserClick(row); });
}

}  // namespace drobi
