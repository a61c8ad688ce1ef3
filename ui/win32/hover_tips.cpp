#include "ui/win32/hover_tips.hpp"

#include <commctrl.h>

#include "ui/win32/dpi.hpp"

namespace drobi::win32 {
namespace {

// The widest a hover text runs before it wraps, in pixels at 96 dpi: a quotient's exact value with
// its 60 digits keeps to one line.
constexpr int kTipWidth = 560;

}  // namespace

HoverTips::HoverTips(HWND window)
    : window_(window),
      tooltip_(CreateWindowExW(
          WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
          reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr)) {}

void HoverTips::Add(HWND control, const std::wstring& text) {
  if (tooltip_ == nullptr) return;
  std::wstring copy = text;  // the tooltip keeps a copy of its own
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = copy.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HoverTips::SetDpi(int dpi) {
  if (tooltip_ != nullptr) {
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidth, dpi, kDefaultDpi));
  }
}

}  // namespace drobi::win32
