#pragma once

#include <windows.h>

#include <functional>

#include "ui/win32/wheel_steps.hpp"
#include "ui/window_scale.hpp"

namespace drobi::win32 {

// The form's client area in pixels at a scale.
SIZE FormSize(const WindowScale& scale);

// The zoom the user asks for with the menu's zoom entries and their keys (WindowMenu) and with Ctrl
// and the wheel: each step resizes the window to the next zoom step, never past the work area of
// its screen.
class WindowZoom {
 public:
  // `window_size` is the window's outer size for the form at a scale; `lay_out` places the form
  // anew after a step has resized the window.
  WindowZoom(HWND window, std::function<SIZE(const WindowScale&)> window_size,
             std::function<void()> lay_out);

  // The zoom step asked for last, at the window's dpi.
  const WindowScale& Asked() const { return asked_; }
  // The screen's dpi changed: the zoom stays.
  void SetDpi(int dpi) { asked_ = WindowScale(dpi, asked_.Percent()); }

  // Where the form lies in a client area of the size `client`, centred, and its scale: the zoom
  // asked for where the client area has exactly that size, else the largest scale that fits.
  RECT FormIn(const RECT& client, WindowScale& scale) const;

  // WM_GETMINMAXINFO: the window never becomes smaller than the form at 100 %.
  void OnMinMaxInfo(MINMAXINFO& limits) const;

  // Takes Ctrl with the wheel before the focused control sees it, stepping from the scale the
  // form is shown at, `now`; true when the message was one.
  bool PreTranslate(const MSG& message, const WindowScale& now);
  // Resizes the window to the zoom step after `now` in `direction` (+1 larger, -1 smaller), or
  // to 100 % for 0; a larger step that does not fit the work area stops at the largest that does.
  void Step(const WindowScale& now, int direction);

 private:
  HWND window_;
  std::function<SIZE(const WindowScale&)> window_size_;
  std::function<void()> lay_out_;
  WindowScale asked_;
  WheelSteps wheel_;
};

}  // namespace drobi::win32
