#include "ui/win32/error_box.hpp"

#include <string>

#include "ui/win32/text.hpp"

namespace drobi::win32 {

void ShowErrorBox(HWND owner, const ErrorReport& report) {
  const std::wstring message =
      Wide(ErrorMessage(report.number, report.text) + "\n\n" + kErrorEnding);
  MessageBoxW(owner, message.c_str(), L"drobi", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace drobi::win32
