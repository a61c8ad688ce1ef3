#pragma once

#include <windows.h>

#include <string>

namespace drobi::win32 {

// The window's hover texts: one tooltip control, with a tool for each control that has a hover
// text of its own. Hover texts help but are not needed to use the window: where the tooltip
// cannot be made, the window opens without them.
class HoverTips {
 public:
  explicit HoverTips(HWND window);
  HoverTips(const HoverTips&) = delete;
  HoverTips& operator=(const HoverTips&) = delete;

  // The tooltip control, nullptr where there is none; it goes with the window.
  HWND Handle() const { return tooltip_; }

  // Shows `text` while the pointer rests on `control`.
  void Add(HWND control, const std::wstring& text);
  // The widest a text runs before it wraps, at the window's dpi.
  void SetDpi(int dpi);

 private:
  HWND window_;
  HWND tooltip_;
};

}  // namespace drobi::win32
