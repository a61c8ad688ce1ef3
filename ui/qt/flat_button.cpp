#include "ui/qt/flat_button.hpp"

#include <QPainter>
#include <QPolygonF>
#include <QStyle>

namespace drobi {
namespace {

// The edge shades are those of the colour as 8-bit channels, as a colour name gives them.
QColor EightBit(const QColor& colour) { return QColor::fromRgb(colour.rgb()); }

// The edges are trapezoids that meet on the corners' diagonals, drawn bottom, right, left, top
// (each later one over the earlier), antialiased; the lit pair is the lighter shade of the edge
// colour.
void DrawEdges(QPainter& painter, const QRectF& r, qreal width, const QColor& edge, bool sunken) {
  const QColor lit = edge.lighter();
  const QColor& top_left = sunken ? edge : lit;
  const QColor& bottom_right = sunken ? lit : edge;
  const qreal left = r.left();
  const qreal top = r.top();
  const qreal right = r.left() + r.width();
  const qreal bottom = r.top() + r.height();
  painter.setPen(Qt::NoPen);
  painter.setBrush(bottom_right);
  painter.drawPolygon(QPolygonF({QPointF(left, bottom), QPointF(left + width, bottom - width),
                                 QPointF(right - width, bottom - width), QPointF(right, bottom)}));
  painter.drawPolygon(QPolygonF({QPointF(right - width, top + width), QPointF(right, top),
                                 QPointF(right, bottom), QPointF(right - width, bottom - width)}));
  painter.setBrush(top_left);
  painter.drawPolygon(QPolygonF({QPointF(left, top), QPointF(left + width, top + width),
                                 QPointF(left + width, bottom - width), QPointF(left, bottom)}));
  painter.drawPolygon(
      QPolygonF({QPointF(left, top), QPointF(right, top), QPointF(right - width, top + width),
                 QPointF(left + width, top + width)}));
}

}  // namespace

FlatButton::FlatButton(const QString& text, const QColor& face, QWidget* parent)
    : QPushButton(text, parent), face_(face) {
  QPalette own = palette();
  own.setColor(QPalette::Button, face_);
  own.setColor(QPalette::ButtonText, Qt::black);
  setPalette(own);
}

void FlatButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect box = rect();
  painter.fillRect(box, face_);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawEdges(painter, box, edge_, EightBit(hasFocus() ? face_.darker(160) : face_.lighter(150)),
            isDown());
  painter.setRenderHint(QPainter::Antialiasing, false);
  int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
  if (!style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)) {
    flags |= Qt::TextHideMnemonic;
  }
  style()->drawItemText(&painter, box.adjusted(edge_, edge_, -edge_, -edge_), flags, palette(),
                        isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace drobi
