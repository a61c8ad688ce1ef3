#include "ui/win32/beside.hpp"

#include <algorithm>

namespace drobi::win32 {
namespace {

RECT WorkArea(HWND owner) {
  MONITORINFO screen{};
  screen.cbSize = sizeof(screen);
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &screen);
  return screen.rcWork;
}

}  // namespace

RECT Beside(HWND owner, SIZE size) {
  RECT main;
  GetWindowRect(owner, &main);
  const RECT work = WorkArea(owner);
  size.cx = std::min(size.cx, work.right - work.left);
  size.cy = std::min(size.cy, work.bottom - work.top);
  const auto shown = [&size](LONG width, LONG height) {
    return std::max(0L, std::min(size.cx, width)) * std::max(0L, std::min(size.cy, height));
  };
  const LONG right = shown(work.right - main.right, work.bottom - work.top);
  const LONG below = shown(work.right - work.left, work.bottom - main.bottom);
  const LONG top = std::clamp(main.top, work.top, work.bottom - size.cy);
  const LONG left = std::clamp(main.left, work.left, work.right - size.cx);
  if (std::max(right, below) * 4 < size.cx * size.cy) {
    return {work.right - size.cx, top, work.right, top + size.cy};
  }
  if (right >= below) {
    const LONG width = std::min(size.cx, work.right - main.right);
    return {main.right, top, main.right + width, top + size.cy};
  }
  const LONG height = std::min(size.cy, work.bottom - main.bottom);
  return {left, main.bottom, left + size.cx, main.bottom + height};
}

RECT BesideWhole(HWND owner, SIZE size) {
  const RECT work = WorkArea(owner);
  const RECT at = Beside(owner, size);
  const LONG left = std::max(work.left, std::min(at.left, work.right - size.cx));
  const LONG top = std::max(work.top, std::min(at.top, work.bottom - size.cy));
  return {left, top, left + size.cx, top + size.cy};
}

}  // namespace drobi::win32
