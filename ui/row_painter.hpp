#pragma once

#include <QStyledItemDelegate>

namespace drobi {

// Paints the rows of the window's lists: a short line of text on the list's colours, selected or
// not, and, where a model role asks for it, a thin line above the row (the long number uses it
// to separate the turns of its period, so that the period can be seen without telling its tints
// apart).
//
// A plain row looks exactly as Qt's own item painting draws it, which is used for anything else
// (a row with the focus, one too long for its width, an icon, a check box, wrapped or right-to-
// left text). Qt's painting measures the text of every row four times to place it; this places it
// once, which is most of what drawing a list costs.
class RowPainter : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // separator_role: the model role that is true on a row to draw a line above; -1 for none.
  explicit RowPainter(QObject* parent, int separator_role = -1);

  void SetSeparatorRole(int role) { separator_role_ = role; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  // false when the row is not one this class draws itself.
  bool PaintPlainRow(QPainter* painter, const QStyleOptionViewItem& option) const;

  int separator_role_;
};

}  // namespace drobi
