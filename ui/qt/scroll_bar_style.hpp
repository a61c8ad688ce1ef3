#pragma once

#include <QProxyStyle>

namespace drobi {

// The application's style with the scroll bars' room grown by the window's zoom: a list or text
// field at 200 % keeps a bar in proportion with its rows. Set only on the scroll bars of a
// zoomed window, so that the window at 100 % starts with the plain style.
class ScrollBarStyle : public QProxyStyle {
  Q_OBJECT

 public:
  using QProxyStyle::QProxyStyle;

  void SetFactor(double factor) { factor_ = factor; }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;

 private:
  double factor_ = 1;
};

}  // namespace drobi
