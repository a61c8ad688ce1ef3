#include "ui/window_scale.hpp"

#include <algorithm>
#include <cmath>

#include "ui/window_layout.hpp"

namespace drobi {

WindowScale WindowScale::Fitting(int width, int height, int dpi) {
  const WindowLayout& layout = MainWindowLayout();
  const WindowScale least(dpi);
  // width / client_width against height / client_height, without dividing.
  const bool by_width =
      std::int64_t{width} * layout.client_height <= std::int64_t{height} * layout.client_width;
  const WindowScale fitted = by_width ? WindowScale(dpi, width, layout.client_width)
                                      : WindowScale(dpi, height, layout.client_height);
  return fitted.pixels_ * least.twips_ < least.pixels_ * fitted.twips_ ? least : fitted;
}

int WindowScale::Lengthen(int pixels_at_100) const {
  return std::max(1, static_cast<int>(std::lround(pixels_at_100 * Factor())));
}

double WindowScale::Factor() const {
  return static_cast<double>(pixels_) * kTwipsPerInch / (static_cast<double>(twips_) * kDefaultDpi);
}

int WindowScale::NextStep(int direction) const {
  // This scale in per cent of the dpi's size is pixels_ * 1440 * 100 / (twips_ * dpi_).
  const auto above = [this](int step) {
    return std::int64_t{step} * twips_ * dpi_ > pixels_ * kTwipsPerInch * 100;
  };
  const auto* first_above = std::find_if(std::begin(kZoomSteps), std::end(kZoomSteps), above);
  if (direction > 0) {
    return first_above != std::end(kZoomSteps) ? *first_above : *(std::end(kZoomSteps) - 1);
  }
  // Steps below first_above are at most this scale; the one just below it is this scale's own.
  const auto* own = first_above == std::begin(kZoomSteps) ? first_above : first_above - 1;
  const bool exact = std::int64_t{*own} * twips_ * dpi_ == pixels_ * kTwipsPerInch * 100;
  return exact && own != std::begin(kZoomSteps) ? *(own - 1) : *own;
}

}  // namespace drobi
