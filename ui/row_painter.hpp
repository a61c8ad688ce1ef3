#pragma once

#include <QPainter>
#include <QStyleOptionViewItem>

namespace drobi {

// Draws one row of a list, given as Qt's item views describe a row to their painting (text,
// font, palette, state, tint), so that it looks exactly as a Qt list draws it.
//
// Qt's own painting measures the text of every row four times to place it; a plain row (one line
// of left-aligned text that fits) is placed with one measurement here. Anything else (the row with
// the focus frame, a row too long for its width, icons, check boxes, wrapped or right-to-left
// text) goes to Qt's painting.
void PaintRow(QPainter& painter, const QStyleOptionViewItem& option);

}  // namespace drobi
