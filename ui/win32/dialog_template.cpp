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

}  // namespace drobi::win32
