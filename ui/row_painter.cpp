#include "ui/row_painter.hpp"

#include <QApplication>
#include <QTextLayout>

namespace drobi {
namespace {

// false when the row is not one drawn here.
bool PaintPlainRow(QPainter* painter, const QStyleOptionViewItem& option) {
  constexpr auto kOtherFeatures = QStyleOptionViewItem::WrapText |
                                  QStyleOptionViewItem::HasCheckIndicator |
                                  QStyleOptionViewItem::HasDecoration;
  if ((option.features & kOtherFeatures) || option.direction != Qt::LeftToRight ||
      option.displayAlignment != (Qt::AlignLeft | Qt::AlignVCenter) ||
      (option.state & (QStyle::State_HasFocus | QStyle::State_Editing)) ||
      option.text.contains(QChar::LineSeparator)) {
    return false;
  }
  const QWidget* widget = option.widget;
  const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  const QRect text_rect = option.rect.adjusted(margin, 0, -margin, 0);

  QTextOption text_option;
  text_option.setWrapMode(QTextOption::ManualWrap);
  text_option.setTextDirection(Qt::LeftToRight);
  text_option.setAlignment(option.displayAlignment);
  QTextLayout layout(option.text, option.font);
  layout.setTextOption(text_option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(text_rect.width());
  line.setPosition(QPointF(0, 0));
  layout.endLayout();
  // A row that does not fit is cut short with an ellipsis by Qt's own painting.
  if (line.naturalTextWidth() > text_rect.width()) return false;

  painter->save();
  painter->setClipRect(option.rect);
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);
  QPalette::ColorGroup group =
      option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  if (group == QPalette::Normal && !(option.state & QStyle::State_Active)) {
    group = QPalette::Inactive;
  }
  painter->setPen(option.palette.color(
      group, option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
  const qreal top = text_rect.y() + (text_rect.height() - line.height()) / 2;
  layout.draw(painter, QPointF(text_rect.x(), top));
  painter->restore();
  return true;
}

}  // namespace

void PaintRow(QPainter& painter, const QStyleOptionViewItem& option) {
  if (PaintPlainRow(&painter, option)) return;
  const QWidget* widget = option.widget;
  const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &option, &painter, widget);
}

}  // namespace drobi
