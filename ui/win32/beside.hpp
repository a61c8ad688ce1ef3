#pragma once

#include <windows.h>

namespace drobi::win32 {

// Where a window of `size` that belongs to `owner` opens: right of the owner or below it, where
// more of it fits, within the work area; over the owner's right part where neither side holds a
// quarter of it.
RECT Beside(HWND owner, SIZE size);
// The same place for a window that keeps its size: moved into the work area, over the owner,
// where Beside would cut it.
RECT BesideWhole(HWND owner, SIZE size);

}  // namespace drobi::win32
