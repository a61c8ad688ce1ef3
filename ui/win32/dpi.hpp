#pragma once

// The form measures in twips, 1440 to the inch; the window is laid out in the pixels of the
// screen it is on, so at 150 % (144 dots per inch) it is half as large again as at 96, and the
// user's zoom multiplies that (WindowScale).

#include <windows.h>

#include "ui/window_scale.hpp"

namespace drobi::win32 {

// The window's dots per inch; the system's where it cannot tell a window's (before Windows 10
// version 1607).
int WindowDpi(HWND window);
// The system's dots per inch, for a window that does not exist yet.
int SystemDpi();
// The outer size of a window whose client area is `client` at that dpi, with a menu bar of one
// row above the client area where `menu`.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD ex_style, int dpi, bool menu = false);
// A system metric (SM_CXSMICON, ...) at that dpi.
int MetricAtDpi(int index, int dpi);

}  // namespace drobi::win32
