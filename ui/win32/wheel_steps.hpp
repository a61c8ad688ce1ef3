#pragma once

#include <windows.h>

#include "ui/window_scale.hpp"

namespace drobi::win32 {

// Turns of the wheel with Ctrl as zoom steps: a wheel with finer notches sends less than
// WHEEL_DELTA a notch, so the turns add up until they make a whole step.
class WheelSteps {
 public:
  // The step that a WM_MOUSEWHEEL's `w` completes: +1 larger, -1 smaller, 0 none yet.
  int Turn(WPARAM w) { return steps_.Turn(GET_WHEEL_DELTA_WPARAM(w)); }

  // Whether the message is a turn of the wheel with Ctrl over `window` or a control in it.
  static bool IsZoom(const MSG& message, HWND window) {
    return message.message == WM_MOUSEWHEEL &&
           (GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) != 0 &&
           (message.hwnd == window || IsChild(window, message.hwnd));
  }

 private:
  ::drobi::WheelSteps steps_;
};

}  // namespace drobi::win32
