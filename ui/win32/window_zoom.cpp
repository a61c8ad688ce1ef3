#include "ui/win32/window_zoom.hpp"

#include <algorithm>
#include <utility>

#include "ui/win32/dpi.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32 {
SIZE FormSize(const WindowScale& scale) {
  const WindowLayout& layout = MainWindowLayout();
  return {scale.Pixels(layout.client_width), scale.Pixels(layout.client_height)};
}

WindowZoom::WindowZoom(HWND window, std::function<SIZE(const WindowScale&)> window_size,
                       std::function<void()> lay_out)
    : window_(window),
      window_size_(std::move(window_size)),
      lay_out_(std::move(lay_out)),
      asked_(WindowDpi(window)) {}

RECT WindowZoom::FormIn(const RECT& client, WindowScale& scale) const {
  const SIZE asked = FormSize(asked_);
  scale = client.right == asked.cx && client.bottom == asked.cy
              ? asked_
              : WindowScale::Fitting(client.right, client.bottom, asked_.Dpi());
  const SIZE size = FormSize(scale);
  const LONG left = std::max(0L, (client.right - size.cx) / 2);
  const LONG top = std::max(0L, (client.bottom - size.cy) / 2);
  return {left, top, left + size.cx, top + size.cy};
}

void WindowZoom::OnMinMaxInfo(MINMAXINFO& limits) const {
  const SIZE least = window_size_(WindowScale(asked_.Dpi()));
  limits.ptMinTrackSize = POINT{least.cx, least.cy};
}

bool WindowZoom::PreTranslate(const MSG& message, const WindowScale& now) {
  if (!WheelSteps::IsZoom(message, window_)) return false;
  if (const int step = wheel_.Turn(message.wParam); step != 0) Step(now, step);
  return true;
}

void WindowZoom::Step(const WindowScale& now, int direction) {
  MONITORINFO screen{};
  screen.cbSize = sizeof(screen);
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &screen);
  const RECT& work = screen.rcWork;
  const auto fits = [&work](SIZE size) {
    return size.cx <= work.right - work.left && size.cy <= work.bottom - work.top;
  };
  const int dpi = now.Dpi();
  WindowScale zoom(dpi, direction == 0 ? 100 : now.NextStep(direction));
  while (zoom.Percent() > 100 && !fits(window_size_(zoom))) {
    zoom = WindowScale(dpi, zoom.NextStep(-1));
  }
  // A larger step that does not fit does not make the window smaller.
  if (direction > 0 && zoom.Factor() <= now.Factor()) return;
  if (IsZoomed(window_)) ShowWindow(window_, SW_RESTORE);
  asked_ = zoom;
  const SIZE size = window_size_(zoom);
  RECT was;
  GetWindowRect(window_, &was);
  // Grown to the right and down as far as the work area lets it, then moved back into it.
  const LONG left = std::max(work.left, std::min(was.left, work.right - size.cx));
  const LONG top = std::max(work.top, std::min(was.top, work.bottom - size.cy));
  SetWindowPos(window_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  lay_out_();
}

}  // namespace drobi::win32
