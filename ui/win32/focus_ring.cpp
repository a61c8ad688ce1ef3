#include "ui/win32/focus_ring.hpp"

namespace drobi::win32 {
namespace {

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool FocusRing::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  // Ctrl+Tab puts a tab into a text field; Alt+Tab belongs to the desktop.
  if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
  Move(!KeyDown(VK_SHIFT));
  return true;
}

void FocusRing::Remember() {
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window_, focus)) focus_ = focus;
}

void FocusRing::Restore() {
  if (focus_ == nullptr || !IsWindow(focus_)) {
    focus_ = nullptr;
    Move(true);  // the first control in tab order
    return;
  }
  SetFocus(focus_);
}

void FocusRing::Move(bool forward) {
  std::vector<HWND> stops;
  for (const HWND control : controls_) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    if ((style & WS_TABSTOP) != 0 && IsWindowVisible(control) && IsWindowEnabled(control)) {
      stops.push_back(control);
    }
  }
  if (stops.empty()) return;
  const HWND focus = GetFocus();
  std::size_t at = stops.size();
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (stops[i] == focus || IsChild(stops[i], focus)) at = i;
  }
  std::size_t next;
  if (at == stops.size()) {
    next = forward ? 0 : stops.size() - 1;
  } else {
    next = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  }
  SetFocus(stops[next]);
}

}  // namespace drobi::win32
