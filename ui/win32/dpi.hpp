#pragma once

// The form measures in twips, 1440 to the inch; the window is laid out in the pixels of the
// screen it is on, so at 150 % (144 dots per inch) it is half as large again as at 96.

#include <windows.h>

namespace drobi::win32 {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;
inline constexpr int kDefaultDpi = 96;

// Rounded to the nearest pixel, as the Qt window rounds at 96 dpi: 1100 twips are 73 px there.
constexpr int TwipsAtDpi(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// The height of a font of that size, as CreateFont takes it (negative: the em height).
constexpr int FontHeightAtDpi(int points, int dpi) {
  return -((points * dpi + kPointsPerInch / 2) / kPointsPerInch);
}

// The window's dots per inch; the system's where it cannot tell a window's (before Windows 10
// version 1607).
int WindowDpi(HWND window);
// The system's dots per inch, for a window that does not exist yet.
int SystemDpi();
// The outer size of a window whose client area is `client` at that dpi.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD ex_style, int dpi);
// A system metric (SM_CXSMICON, ...) at that dpi.
int MetricAtDpi(int index, int dpi);

}  // namespace drobi::win32
