#include "ui/win32/dpi.hpp"

#include "ui/win32/handles.hpp"

namespace drobi::win32 {
namespace {

// The functions that know a window's own dpi came with Windows 10 version 1607; looked up
// rather than imported, so that the program also starts on the first Windows 10 releases.
template <typename Function>
Function User32(const char* name) {
  static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

int ScreenDpi() {
  const WindowDc screen(nullptr);
  const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : kDefaultDpi;
  return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

int WindowDpi(HWND window) {
  static const auto for_window = User32<GetDpiForWindowFunction>("GetDpiForWindow");
  if (for_window != nullptr && window != nullptr) {
    const UINT dpi = for_window(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int SystemDpi() {
  static const auto for_system = User32<GetDpiForSystemFunction>("GetDpiForSystem");
  if (for_system != nullptr) {
    const UINT dpi = for_system();
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD ex_style, int dpi, bool menu) {
  static const auto adjust = User32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, client.cx, client.cy};
  if (adjust != nullptr) {
    adjust(&rect, style, menu, ex_style, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, menu, ex_style);
  }
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int MetricAtDpi(int index, int dpi) {
  static const auto metrics = User32<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (metrics != nullptr) return metrics(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

}  // namespace drobi::win32
