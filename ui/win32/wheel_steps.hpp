#pragma once

#include <windows.h>

namespace drobi::win32 {

// Turns of the wheel with Ctrl as zoom steps: a wheel with finer notches sends less than
// WHEEL_DELTA a notch, so the turns add up until they make a whole step.
class WheelSteps {
 public:
  // The step that a WM_MOUSEWHEEL's `w` completes: +1 larger, -1 smaller, 0 none yet.
  int Turn(WPARAM w) {
    wheel_ += GET_WHEEL_DELTA_WPARAM(w);
    if (wheel_ < WHEEL_DELTA && wheel_ > -WHEEL_DELTA) return 0;
    const int step = wheel_ > 0 ? 1 : -1;
    wheel_ = 0;
    return step;
  }

  // Whether the message is a turn of the wheel with Ctrl over `window` or a control in it.
  static bool IsZoom(const MSG& message, HWND window) {
    return message.message == WM_MOUSEWHEEL &&
           (GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) != 0 &&
           (message.hwnd == window || IsChild(window, message.hwnd));
  }

 private:
  int wheel_ = 0;  // in eighths of a degree
};

}  // namespace drobi::win32
