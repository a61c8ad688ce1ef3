#pragma once

#include <windows.h>

namespace drobi::win32 {

// Registers the class of the program's window once per process, with the arrow cursor and the
// icon of the resources `icon_id`; a second window of the class finds it registered.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, WORD icon_id);

// The object that a window procedure of the class answers for: the creation parameter of
// WM_NCCREATE, kept in the window's user data until WM_NCDESTROY; nullptr before and after.
template <typename Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM l) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return owner;
}

}  // namespace drobi::win32
