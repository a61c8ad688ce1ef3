#include "ui/qt/flat_button.hpp"

#include <QPainter>
#include <QPolygonF>
#include <QStyle>

namespace drobi {
namespace {

constexpr qreal kEdge = 2;

// The edge shades are those of the colour as 8-bit channels, as a colour name gives them.
QColor EightBit(const QColor& colour) { return QColor::fromRgb(colour.rgb()); }

// The edges are trapezoids that meet on the corners' diagonals, drawn bottom, right, left, top
// (each later one over the earlier), antialiased; the lit pair is the lighter shade of the edge
// colour.
void DrawEdges(QPainter& painter, const QRectF& r, const QColor& edge, bool sunken) {
  const QColor lit = edge.lighter();
  const QColor& top_left = sunken ? edge : lit;
  const QColor& bottom_right = sunken ? lit : edge;
  const qreal left = r.left();
  const qreal top = r.top();
  const qreal right = r.left() + r.width();
  const qreal bottom = r.top() + r.height();
  painter.setPen(Qt::NoPen);
  painter.setBrush(bottom_right);
  painter.drawPolygon(QPolygonF({QPointF(left, bottom), QPointF(left + kEdge, bottom - kEdge),
                                 QPointF(right - kEdge, bottom - kEdge), QPointF(right, bottom)}));
  painter.drawPolygon(QPolygonF({QPointF(right - kEdge, top + kEdge), QPointF(right, top),
                                 QPointF(right, bottom), QPointF(right - kEdge, bottom - kEdge)}));
  painter.setBrush(top_left);
  painter.drawPolygon(QPolygonF({QPointF(left, top), QPointF(left + kEdge, top + kEdge),
                                 QPointF(left + kEdge, bottom - kEdge), QPointF(left, bottom)}));
  painter.drawPolygon(
      QPolygonF({QPointF(left, top), QPointF(right, top), QPointF(right - kEdge, top + kEdge),
                 QPointF(left + kEdge, top + kEdge)}));
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
  DrawEdges(painter, box, EightBit(hasFocus() ? face_.darker(160) : face_.lighter(150)), isDown());
  painter.setRenderHint(QPainter::Antialiasing, false);
  int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
  if (!style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)) {
    flags |= Qt::TextHideMnemonic;
  }
  const int inner = static_cast<int>(kEdge);
  style()->drawItemText(&painter, box.adjusted(inner, inner, -inner, -inner), flags, palette(),
                        isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace drobi
