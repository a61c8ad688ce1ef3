#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace drobi::win32 {

// The keyboard focus among the window's controls: Tab and Shift+Tab move through the tab stops
// in the form's tab order, and the window gives the focus back to the control that had it when
// the user comes back to it.
class FocusRing {
 public:
  // `controls` in tab order; those without WS_TABSTOP are passed over.
  FocusRing(HWND window, std::vector<HWND> controls)
      : window_(window), controls_(std::move(controls)) {}

  // True when the message was Tab or Shift+Tab to the window and moved the focus.
  bool PreTranslate(const MSG& message);
  // The window is left: its focused control is kept.
  void Remember();
  // The window is back: the kept control gets the focus, or else the first tab stop.
  void Restore();
  // WM_ACTIVATE: remembers the focus when the window is left, restores it when the window comes
  // back (not while it is minimised).
  void OnActivate(WPARAM w) {
    if (LOWORD(w) == WA_INACTIVE) {
      Remember();
    } else if (HIWORD(w) == 0) {
      Restore();
    }
  }

 private:
  void Move(bool forward);

  HWND window_;
  std::vector<HWND> controls_;
  HWND focus_ = nullptr;
};

}  // namespace drobi::win32
