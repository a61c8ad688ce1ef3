#pragma once

#include <QStyledItemDelegate>

namespace drobi {

// Draws the long-number rows as usual and a thin line above each row that starts a turn of the
// period, so that the period can be seen without telling its tints apart.
class PeriodSeparator : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // role: the model role that is true on a row starting a turn.
  PeriodSeparator(int role, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  int role_;
};

}  // namespace drobi
