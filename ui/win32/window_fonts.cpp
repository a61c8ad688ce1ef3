#include "ui/win32/window_fonts.hpp"

#include <stdexcept>

#include "ui/win32/text.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32 {

HFONT WindowFonts::At(int points) {
  for (const auto& [size, font] : fonts_) {
    if (size == points) return font.get();
  }
  const WindowLayout& layout = MainWindowLayout();
  Font font(CreateFontW(-scale_.FontPixels(points), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_ROMAN, Wide(layout.font_family).c_str()));
  if (!font) throw std::runtime_error("the window's font cannot be made");
  fonts_.emplace_back(points, std::move(font));
  return fonts_.back().second.get();
}

}  // namespace drobi::win32
