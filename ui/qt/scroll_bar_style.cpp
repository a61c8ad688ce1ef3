#include "ui/qt/scroll_bar_style.hpp"

#include <cmath>

namespace drobi {

int ScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
  const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
  if (metric != PM_ScrollBarExtent && metric != PM_ScrollBarSliderMin) return pixels;
  return static_cast<int>(std::lround(pixels * factor_));
}

}  // namespace drobi
