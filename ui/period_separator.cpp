#include "ui/period_separator.hpp"

#include <QPainter>
#include <QPen>

namespace drobi {

PeriodSeparator::PeriodSeparator(int role, QObject* parent)
    : QStyledItemDelegate(parent), role_(role) {}

void PeriodSeparator::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  if (!index.data(role_).toBool()) return;
  painter->save();
  // The text colour contrasts with the list's base by design, and so with both tints.
  painter->setPen(QPen(option.palette.color(QPalette::Text), 1));
  painter->drawLine(option.rect.topLeft(), option.rect.topRight());
  painter->restore();
}

}  // namespace drobi
