#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/win32/handles.hpp"
#include "ui/window_scale.hpp"

namespace drobi::win32 {

// The window's font at each size the layout uses, made at one scale on first use. A move to
// another dpi or zoom makes a new WindowFonts; the old one must live until the controls hold the
// new fonts.
class WindowFonts {
 public:
  explicit WindowFonts(const WindowScale& scale) : scale_(scale) {}

  HFONT At(int points);

 private:
  WindowScale scale_;
  std::vector<std::pair<int, Font>> fonts_;  // by size in points
};

}  // namespace drobi::win32
