#include "ui/win32/dialog_template.hpp"

#include <cstring>
#include <string>

#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

void AppendText(std::vector<WORD>& words, const std::wstring& text) {
  words.insert(words.end(), text.begin(), text.end());
  words.push_back(0);
}

}  // namespace

std::vector<WORD> DialogTemplate(const char* title, short width, short height) {
  DLGTEMPLATE head{};
  head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
  head.cx = width;
  head.cy = height;
  std::vector<WORD> words(sizeof head / sizeof(WORD));
  std::memcpy(words.data(), &head, sizeof head);
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog's own class
  AppendText(words, Wide(title));
  words.push_back(9);  // points
  AppendText(words, L"MS Shell Dlg");
  return words;
}

void CreateParts(HWND dialog, std::span<const DialogPart> parts) {
  const auto font = static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
  for (const DialogPart& part : parts) {
    RECT at = part.at;
    MapDialogRect(dialog, &at);
    const HWND control = CreateWindowExW(
        part.ex_style, part.type, part.text.c_str(), WS_CHILD | WS_VISIBLE | part.style, at.left,
        at.top, at.right - at.left, at.bottom - at.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(part.id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, font, FALSE);
  }
}

}  // namespace drobi::win32
