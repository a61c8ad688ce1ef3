#include "ui/win32/window_class.hpp"

#include <stdexcept>

namespace drobi::win32 {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, WORD icon_id) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  if (GetClassInfoExW(instance, name, &window_class)) return;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(icon_id));
  window_class.lpszClassName = name;
  if (RegisterClassExW(&window_class) == 0) {
    throw std::runtime_error("the window's class cannot be registered");
  }
}

}  // namespace drobi::win32
