#include "ui/win32/child_control.hpp"

#include <commctrl.h>

#include <stdexcept>

#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

HWND Create(const Placement& at, const ControlLayout& layout, const wchar_t* window_class,
            DWORD style, DWORD ex_style, const std::wstring& text) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(at.parent, GWLP_HINSTANCE));
  // Made without its text: the control lays its text out once, in the font it is given first.
  const HWND handle = CreateWindowExW(
      ex_style, window_class, nullptr, style, at.scale.Pixels(layout.left),
      at.scale.Pixels(layout.top), at.scale.Pixels(layout.width), at.scale.Pixels(layout.height),
      at.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(at.id)), instance, nullptr);
  if (handle == nullptr) {
    throw std::runtime_error(std::string("the control ") + layout.name + " cannot be created");
  }
  SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(at.font), FALSE);
  if (!text.empty()) SetWindowTextW(handle, text.c_str());
  return handle;
}

}  // namespace

HWND CreateChild(const Placement& at, const ControlLayout& layout, const wchar_t* window_class,
                 DWORD style, DWORD ex_style, const std::wstring& text) {
  style |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (TakesFocus(layout.kind)) style |= WS_TABSTOP;
  return Create(at, layout, window_class, style, ex_style, text);
}

HWND CreateNameLabel(const Placement& at, const ControlLayout& layout) {
  return Create(at, layout, WC_STATICW, WS_CHILD | SS_NOPREFIX, 0,
                Wide(layout.accessible_name != nullptr ? layout.accessible_name : ""));
}

void Stack(const std::vector<HWND>& top_first) {
  HWND above = HWND_TOP;
  for (const HWND window : top_first) {
    SetWindowPos(window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = window;
  }
}

void ChildControl::Place(const RECT& place, const RECT& form) const {
  SetWindowPos(handle_, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT shown;
  IntersectRect(&shown, &place, &form);
  if (EqualRect(&shown, &place)) return;
  OffsetRect(&shown, -place.left, -place.top);
  // The system owns the region once the window has it.
  const HRGN region = CreateRectRgnIndirect(&shown);
  if (region != nullptr && SetWindowRgn(handle_, region, TRUE) == 0) DeleteObject(region);
}

int NotifyingId(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      return l != 0 ? LOWORD(w) : 0;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return GetDlgCtrlID(reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
      return static_cast<int>(reinterpret_cast<const DRAWITEMSTRUCT*>(l)->CtlID);
    default:
      return 0;
  }
}

std::optional<LRESULT> Reflect(ChildControl* control, UINT message, WPARAM w, LPARAM l) {
  if (control == nullptr) return std::nullopt;
  switch (message) {
    case WM_COMMAND:
      control->OnCommand(HIWORD(w));
      return 0;
    case WM_DRAWITEM:
      control->OnDraw(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    default:  // WM_CTLCOLOR*
      if (const HBRUSH brush = control->OnColour(reinterpret_cast<HDC>(w))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      return std::nullopt;
  }
}

}  // namespace drobi::win32
