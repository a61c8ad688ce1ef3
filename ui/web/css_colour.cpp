#include "ui/web/css_colour.hpp"

#include <cstdio>

#include "ui/window_layout.hpp"

namespace drobi::web {

std::string CssColour(std::uint32_t stored) {
  if (stored == kPlatformColour) return {};
  const Rgb rgb = StoredRgb(stored);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return text;
}

}  // namespace drobi::web
