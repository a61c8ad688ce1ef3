#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/win32/handles.hpp"

namespace drobi::win32 {

// The window's font at each size the layout uses, made at one dpi on first use. A move to
// another dpi makes a new WindowFonts; the old one must live until the controls hold the new
// fonts.
class WindowFonts {
 public:
  explicit WindowFonts(int dpi) : dpi_(dpi) {}

  HFONT At(int points);

 private:
  int dpi_;
  std::vector<std::pair<int, Font>> fonts_;  // by size in points
};

}  // namespace drobi::win32
