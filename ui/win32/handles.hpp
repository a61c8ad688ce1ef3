#pragma once

// Owners of the window system's handles: each is released once, when its owner goes.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <type_traits>

#include "ui/window_layout.hpp"

namespace drobi::win32 {

struct GdiObjectRelease {
  void operator()(void* object) const noexcept { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
struct IconRelease {
  void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
struct AcceleratorRelease {
  void operator()(HACCEL table) const noexcept { DestroyAcceleratorTable(table); }
};
struct WindowRelease {
  void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
struct MenuRelease {
  void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
struct LibraryRelease {
  void operator()(HMODULE library) const noexcept { FreeLibrary(library); }
};

using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectRelease>;
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectRelease>;
using Pen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectRelease>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectRelease>;
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconRelease>;
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowRelease>;
using Accelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorRelease>;
// A menu that no window holds yet: a window destroys its own menu with itself.
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuRelease>;
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease>;

// Selects an object into a device context for as long as it lives.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's device context for as long as it lives (GetDC and ReleaseDC); nullptr for the
// screen's.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A colour as the form stores it, &H00BBGGRR&.
inline COLORREF StoredColour(std::uint32_t stored) {
  const Rgb colour = StoredRgb(stored);
  return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace drobi::win32
