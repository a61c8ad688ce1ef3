#include "ui/list_view.hpp"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "ui/list_accessible.hpp"
#include "ui/row_painter.hpp"

namespace drobi {

ListView::ListView(ListBox& list, ErrorEdge& edge, QWidget* parent)
    : QAbstractScrollArea(parent), list_(list), edge_(edge), shown_(list.ListCount()) {
  InstallListAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  verticalScrollBar()->setSingleStep(1);
  selected_ = list_.ListIndex();
  list_.SetObserver(this);
}

ListView::~ListView() { list_.SetObserver(nullptr); }

void ListView::SetMoreRoles(MoreRoles more) {
  more_ = std::move(more);
  viewport()->update();
}

void ListView::SetSeparatorRole(int role) {
  separator_role_ = role;
  viewport()->update();
}

QVariant ListView::RowData(int row, int role) const {
  if (row < 0 || row >= shown_) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(list_.List(row));
  return more_ ? more_(row, role) : QVariant();
}

int ListView::SelectedRow() const { return selected_; }

int ListView::TopRow() const { return verticalScrollBar()->value(); }

int ListView::RowHeight() const {
  if (row_height_ == 0) {
    // As tall as Qt's list makes a row of text in this font; every row is one line of digits.
    QStyleOptionViewItem option;
    option.initFrom(this);
    option.font = font();
    option.text = QStringLiteral("0");
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.widget = this;
    row_height_ = std::max(1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option,
                                                        QSize(), this).height());
  }
  return row_height_;
}

QRect ListView::RowRect(int row) const {
  if (row < 0 || row >= shown_) return {};
  const int height = RowHeight();
  return QRect(0, (row - TopRow()) * height, viewport()->width(), height);
}

int ListView::RowAt(const QPoint& point) const {
  if (point.y() < 0) return -1;
  const int row = TopRow() + point.y() / RowHeight();
  return row < shown_ ? row : -1;
}

int ListView::FullRowsInView() const { return viewport()->height() / RowHeight(); }

void ListView::ScrollToRow(int row) {
  if (row < 0 || row >= shown_) return;
  // Until the list is shown its viewport has no size of its own; the row comes into view then.
  if (!isVisible()) {
    scroll_pending_ = row;
    return;
  }
  if (range_pending_) UpdateScrollRange();
  const int top = TopRow();
  const int full = std::max(1, FullRowsInView());
  if (row < top) {
    verticalScrollBar()->setValue(row);
  } else if (row >= top + full) {
    verticalScrollBar()->setValue(row - full + 1);
  }
}

void ListView::UpdateScrollRange() {
  range_pending_ = false;
  const int full = FullRowsInView();
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(std::max(1, full));
  bar->setRange(0, shown_ > full ? shown_ - full : 0);
}

QStyleOptionViewItem ListView::ViewOption() const {
  QStyleOptionViewItem option;
  option.initFrom(this);
  option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
  // A list without the focus draws as in an inactive window; the window gives both the same
  // highlight, so that the selected rows of all lists show alike.
  if (!hasFocus()) option.state &= ~QStyle::State_Active;
  if (option.state & QStyle::State_Enabled) option.palette.setCurrentColorGroup(QPalette::Normal);
  option.font = font();
  option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  option.textElideMode = Qt::ElideRight;
  option.showDecorationSelected =
      style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
  option.locale = locale();
  option.locale.setNumberOptions(QLocale::OmitGroupSeparator);
  option.widget = this;
  option.features = QStyleOptionViewItem::HasDisplay;
  return option;
}

void ListView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QStyleOptionViewItem view = ViewOption();
  const int height = RowHeight();
  const QRect area = event->rect();
  const int first = std::max(TopRow(), TopRow() + area.top() / height);
  // The keyboard's place: the selected row, or the first while none is selected.
  const int focus_row = hasFocus() ? std::max(selected_, 0) : -1;
  for (int row = first; row < shown_; ++row) {
    QStyleOptionViewItem option = view;
    option.rect = RowRect(row);
    if (option.rect.top() > area.bottom()) break;
    option.text = RowData(row).toString();
    if (row == selected_) option.state |= QStyle::State_Selected;
    if (row == focus_row) option.state |= QStyle::State_HasFocus;
    const QVariant tint = RowData(row, Qt::BackgroundRole);
    if (tint.canConvert<QBrush>()) option.backgroundBrush = tint.value<QBrush>();
    PaintRow(painter, option);
    if (separator_role_ >= 0 && RowData(row, separator_role_).toBool()) {
      // The text colour contrasts with the list's base by design, and so with any tint.
      painter.setPen(QPen(option.palette.color(QPalette::Text), 1));
      painter.drawLine(option.rect.topLeft(), option.rect.topRight());
    }
  }
}

void ListView::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  UpdateScrollRange();
  const int row = std::exchange(scroll_pending_, -1);
  if (row >= 0) ScrollToRow(row);
}

void ListView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

void ListView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    row_height_ = 0;
    UpdateScrollRange();
    viewport()->update();
  }
}

bool ListView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int row = RowAt(help->pos());
    const QString text = RowData(row, Qt::ToolTipRole).toString();
    if (!text.isEmpty()) {
      QToolTip::showText(help->globalPos(), text, viewport(), RowRect(row));
      return true;
    }
    // Rows without a hover text of their own show the list's.
    return false;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void ListView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  // Below the last row nothing happens, as in a Windows list.
  const int row = RowAt(event->position().toPoint());
  if (row >= 0) UserSelects(row);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a click of its own.
  mousePressEvent(event);
}

void ListView::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  if (!viewport()->rect().contains(at)) return;
  const int row = RowAt(at);
  if (row >= 0 && row != list_.ListIndex()) UserSelects(row);
}

void ListView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

int ListView::KeyTarget(const QKeyEvent& event) {
  const int count = shown_;
  if (count == 0) return -1;
  const int current = list_.ListIndex();
  const int page = std::max(1, FullRowsInView());
  const auto within = [count](int row) { return std::clamp(row, 0, count - 1); };
  // From no selection every moving key goes to the first row.
  switch (event.key()) {
    case Qt::Key_Up:
      return current < 0 ? 0 : within(current - 1);
    case Qt::Key_Down:
      return current < 0 ? 0 : within(current + 1);
    case Qt::Key_PageUp:
      return current < 0 ? 0 : within(current - page);
    case Qt::Key_PageDown:
      return current < 0 ? 0 : within(current + page);
    case Qt::Key_Home:
      return 0;
    case Qt::Key_End:
      return current < 0 ? 0 : count - 1;
    default:
      break;
  }
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
  const QString text = event.text();
  if (text.isEmpty() || !text.at(0).isPrint()) return -1;
  return SearchTarget(text);
}

int ListView::SearchTarget(const QString& typed) {
  // Typing the start of a row moves to the next row that starts so; quick keys add up to a longer
  // start, and one key pressed again steps through the rows that start with it.
  const bool continues =
      typed_timer_.isValid() && typed_timer_.elapsed() <= QApplication::keyboardInputInterval();
  typed_ = continues ? typed_ + typed : typed;
  typed_timer_.start();
  const bool same_key =
      typed_.size() > 1 && typed_.count(typed_.at(0)) == static_cast<qsizetype>(typed_.size());
  const QString wanted = same_key ? typed_.left(1) : typed_;
  const int current = list_.ListIndex();
  // A new search, or one key again, starts after the selected row; a longer start includes it.
  const int start = current < 0 ? 0 : ((!continues || same_key) ? current + 1 : current);
  for (int i = 0; i < shown_; ++i) {
    const int row = (start + i) % shown_;
    if (RowData(row).toString().startsWith(wanted, Qt::CaseInsensitive)) return row;
  }
  return -1;
}

void ListView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
      event->accept();
      break;
    default:
      event->ignore();
      break;
  }
  const int row = KeyTarget(*event);
  if (row < 0) return;
  event->accept();
  if (row != list_.ListIndex()) {
    UserSelects(row);
  } else {
    ScrollToRow(row);
  }
}

void ListView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  NotifyAccessibility(selected_);
}

void ListView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void ListView::RowAdded(int row, const std::string&) {
  shown_ = list_.ListCount();
  // Rows come in runs; the scroll bar follows once for the run, not once for every row.
  if (!range_pending_) {
    range_pending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { if (range_pending_) UpdateScrollRange(); }, Qt::QueuedConnection);
  }
  const QRect rect = RowRect(row);
  if (rect.intersects(viewport()->rect())) viewport()->update(rect);
}

void ListView::Cleared() {
  shown_ = list_.ListCount();
  selected_ = list_.ListIndex();
  typed_.clear();
  scroll_pending_ = -1;
  // An emptied list starts again at its first row: the rows added next open at the top.
  verticalScrollBar()->setValue(0);
  UpdateScrollRange();
  viewport()->update();
}

void ListView::IndexChanged(int index) {
  if (index == selected_) return;
  const int before = selected_;
  selected_ = index >= 0 && index < shown_ ? index : -1;
  // The row that was selected, or the first, which shows the focus frame while none is.
  viewport()->update(RowRect(std::max(before, 0)));
  if (selected_ >= 0) {
    ScrollToRow(selected_);
    viewport()->update(RowRect(selected_));
  }
  NotifyAccessibility(selected_);
}

void ListView::NotifyAccessibility(int row) {
  if (!QAccessible::isActive() || row < 0) return;
  QAccessibleEvent selection(this, QAccessible::Selection);
  selection.setChild(row);
  QAccessible::updateAccessibility(&selection);
  if (hasFocus()) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(row);
    QAccessible::updateAccessibility(&focus);
  }
}

void ListView::UserSelects(int row) {
  edge_.Run([this, row] { list_.UserClick(row); });
}

}  // namespace drobi
