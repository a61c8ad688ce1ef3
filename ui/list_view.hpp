#pragma once

#include <QListView>
#include <functional>

#include "ui/error_edge.hpp"
#include "ui/model/list_box.hpp"

namespace drobi {

class ListRows;
class RowPainter;

// A Qt list that shows a ListBox and hands the user's choices to it.
//
// The view never decides a selection itself. A mouse press on a row, dragging onto another row
// and keyboard moves each become one ListBox::UserClick, which raises the list's click; what the
// view then shows comes back through the ListBox's observer. Since user input is taken from the
// events and not from the view's selection signals, a selection that the program writes can never
// come back as a second click.
class ListView : public QListView, private ListBoxObserver {
  Q_OBJECT

 public:
  ListView(ListBox& list, ErrorEdge& edge, QWidget* parent);
  ~ListView() override;
  ListView(const ListView&) = delete;
  ListView& operator=(const ListView&) = delete;

  // Roles a row shows besides its text; see ListRows::SetMoreRoles.
  void SetMoreRoles(std::function<QVariant(int row, int role)> more);
  // The role of those that is true on a row to draw a thin line above; see RowPainter.
  void SetSeparatorRole(int role);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RowAdded(int row, const std::string& text) override;
  void Cleared() override;
  void IndexChanged(int index) override;

  void ShowIndex(int index);
  void UserSelects(int row);

  ListBox& list_;
  ErrorEdge& edge_;
  ListRows* rows_;
  RowPainter* painter_;
};

}  // namespace drobi
