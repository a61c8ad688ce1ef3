#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QStyleOptionViewItem>
#include <QVariant>
#include <functional>

#include "ui/error_edge.hpp"
#include "ui/model/list_box.hpp"

namespace drobi {

// A list of the window: shows a ListBox's rows, one line of text each, and hands the user's
// choices to it.
//
// The rows are read from the ListBox when they are drawn, never copied. The view never decides a
// selection itself: a mouse press on a row, dragging onto another row and keyboard moves each
// become one ListBox::UserClick, which raises the list's click; what the view then shows comes
// back through the ListBox's observer, so a selection that the program writes can never come back
// as a second click.
//
// It looks and scrolls as Qt's own list view does with uniform rows (a row per scroll step, the
// selected row highlighted also without focus), but builds and draws far less: the window has
// seven of them, and Qt's item views were most of its start-up.
class ListView : public QAbstractScrollArea, private ListBoxObserver {
  Q_OBJECT

 public:
  ListView(ListBox& list, ErrorEdge& edge, QWidget* parent);
  ~ListView() override;
  ListView(const ListView&) = delete;
  ListView& operator=(const ListView&) = delete;

  // What a row shows besides its text, asked for by row and Qt item role: hover text
  // (Qt::ToolTipRole), tint (Qt::BackgroundRole), accessible text and description, and any role of
  // the caller's own such as the separator role below. An invalid QVariant is "nothing".
  using MoreRoles = std::function<QVariant(int row, int role)>;
  void SetMoreRoles(MoreRoles more);
  // The role of those that is true on a row to draw a thin line above it.
  void SetSeparatorRole(int role);

  // What the view shows.
  int RowCount() const { return shown_; }
  // Qt::DisplayRole is the row's text; any other role comes from the roles set above.
  QVariant RowData(int row, int role = Qt::DisplayRole) const;
  int SelectedRow() const;  // -1 when no row is highlighted
  int TopRow() const;       // the first row in view
  int RowHeight() const;
  // Where a row is, in the viewport's coordinates, also when it is scrolled out of view; empty for
  // a row that does not exist.
  QRect RowRect(int row) const;
  // The row at a point of the viewport; -1 below the last row.
  int RowAt(const QPoint& point) const;
  // Scrolls as little as needed to show the row whole.
  void ScrollToRow(int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void RowAdded(int row, const std::string& text) override;
  void Cleared() override;
  void IndexChanged(int index) override;

  void UpdateScrollRange();
  int FullRowsInView() const;
  QStyleOptionViewItem ViewOption() const;
  int KeyTarget(const QKeyEvent& event);
  int SearchTarget(const QString& typed);
  void UserSelects(int row);
  void NotifyAccessibility(int row);

  ListBox& list_;
  ErrorEdge& edge_;
  int shown_ = 0;         // rows the view has been told about
  bool range_pending_ = false;  // rows were added since the scroll bar last followed
  int scroll_pending_ = -1;     // a row to bring into view once the list is shown
  int selected_ = -1;     // the highlighted row, as last told
  mutable int row_height_ = 0;  // worked out when first needed, again after a font change
  MoreRoles more_;
  int separator_role_ = -1;
  QString typed_;               // what the user typed to find a row, and when
  QElapsedTimer typed_timer_;
};

}  // namespace drobi
