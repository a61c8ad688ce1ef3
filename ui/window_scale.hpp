#pragma once

// How large the window is drawn: pixels from the layout's twips at the screen's dots per inch
// times the user's zoom, or at whatever scale fits a window the user dragged to another size.
// Both window systems and their tests convert through this one class.

#include <cstdint>
#include <span>

namespace drobi {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPoint = 20;
inline constexpr int kDefaultDpi = 96;

// The zoom steps of the keys and the wheel, in per cent of the screen's own size.
inline constexpr int kZoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

// Turns of a mouse wheel with Ctrl gathered into zoom steps: one notch, 120 eighths of a degree,
// is one step, however finely a wheel or touchpad reports it.
class WheelSteps {
 public:
  // +1 or -1 once the turns add up to a notch that way, else 0.
  int Turn(int eighths) {
    gathered_ += eighths;
    if (gathered_ > -kNotch && gathered_ < kNotch) return 0;
    const int step = gathered_ > 0 ? 1 : -1;
    gathered_ = 0;
    return step;
  }

 private:
  static constexpr int kNotch = 120;
  int gathered_ = 0;
};

class WindowScale {
 public:
  // dpi/96 times percent/100: at 96 dpi and 100 % one pixel is 15 twips.
  constexpr explicit WindowScale(int dpi = kDefaultDpi, int percent = 100)
      : dpi_(dpi),
        pixels_(std::int64_t{dpi} * percent),
        twips_(std::int64_t{kTwipsPerInch} * 100) {}

  // The largest scale at which the window's client area fits `width` × `height` pixels, with
  // the form's proportions kept; never less than 100 % at `dpi`.
  static WindowScale Fitting(int width, int height, int dpi);

  // Rounded to the nearest pixel: 1100 twips are 73 px at 96 dpi and 100 %.
  constexpr int Pixels(int twips) const {
    return static_cast<int>((twips * pixels_ + twips_ / 2) / twips_);
  }
  // The em height in pixels of a font of that size: 16 px for 12 pt at 96 dpi and 100 %.
  constexpr int FontPixels(int points) const { return Pixels(points * kTwipsPerPoint); }
  // A length given in pixels at 96 dpi and 100 % (a line, an edge), never thinner than one.
  int Lengthen(int pixels_at_100) const;
  // How many times the size at 96 dpi and 100 % (2.0 at 200 %), for sizes a toolkit takes as
  // fractions, such as a font's points.
  double Factor() const;
  int Dpi() const { return dpi_; }
  // The zoom in whole per cent of the dpi's size, rounded down.
  int Percent() const { return static_cast<int>(pixels_ * kTwipsPerInch * 100 / (twips_ * dpi_)); }

  // The zoom step after this scale in `direction` (+1 larger, -1 smaller), in per cent of the
  // dpi's size; 300 and 100 where there is none further that way.
  int NextStep(int direction) const;

  friend bool operator==(const WindowScale& a, const WindowScale& b) {
    return a.dpi_ == b.dpi_ && a.pixels_ * b.twips_ == b.pixels_ * a.twips_;
  }

 private:
  constexpr WindowScale(int dpi, std::int64_t pixels, std::int64_t twips)
      : dpi_(dpi), pixels_(pixels), twips_(twips) {}

  int dpi_;
  // One pixel in `twips_` twips is `pixels_` pixels: exact, so that a fitted scale places every
  // control with the same rounding as a zoom step.
  std::int64_t pixels_;
  std::int64_t twips_;
};

}  // namespace drobi
