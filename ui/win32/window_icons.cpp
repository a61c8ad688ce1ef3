#include "ui/win32/window_icons.hpp"

#include "ui/win32/dpi.hpp"

namespace drobi::win32 {
namespace {

Icon IconOfSize(HWND window, int width, int height) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  return Icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(WindowIcons::kIconId),
                                            IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
}

}  // namespace

void WindowIcons::Load(HWND window, int dpi) {
  Icon big = IconOfSize(window, MetricAtDpi(SM_CXICON, dpi), MetricAtDpi(SM_CYICON, dpi));
  Icon small = IconOfSize(window, MetricAtDpi(SM_CXSMICON, dpi), MetricAtDpi(SM_CYSMICON, dpi));
  // The window lets go of the old icons before they are destroyed.
  if (big) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    big_ = std::move(big);
  }
  if (small) {
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    small_ = std::move(small);
  }
}

}  // namespace drobi::win32
