#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/win32/handles.hpp"

namespace drobi::win32 {

// A static control's own background colour, which it gives Windows for WM_CTLCOLORSTATIC: black
// text on the colour the form stores for it.
class Background {
 public:
  explicit Background(std::uint32_t stored)
      : colour_(StoredColour(stored)), brush_(CreateSolidBrush(colour_)) {}

  HBRUSH Paint(HDC dc) const {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, colour_);
    return brush_.get();
  }

 private:
  COLORREF colour_;
  Brush brush_;
};

// WM_ERASEBKGND of a window whose whole client area shows `brush`.
inline LRESULT FillClient(HWND window, HDC dc, HBRUSH brush) {
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, brush);
  return 1;
}

}  // namespace drobi::win32
