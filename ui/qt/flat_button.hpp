#pragma once

#include <QColor>
#include <QPushButton>

namespace drobi {

// A flat raised button in its own colour, drawn the same on every desktop style: a face of one
// colour with a 2-pixel outset edge (inset while pressed) and black centred text. A style's own
// button would shade or ignore the colour. It paints itself rather than through a style sheet,
// which would bring the style sheet machinery into the window's start-up for one button.
class FlatButton : public QPushButton {
  Q_OBJECT

 public:
  FlatButton(const QString& text, const QColor& face, QWidget* parent = nullptr);

  // The width of the edge, 2 pixels at 100 %, grown with the zoom.
  void SetEdge(int pixels) {
    edge_ = pixels;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor face_;
  int edge_ = 2;
};

}  // namespace drobi
