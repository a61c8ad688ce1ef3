#pragma once

// The form's texts are UTF-8 with "\n" line breaks; Windows controls take UTF-16, and a
// multi-line edit control breaks lines at "\r\n".

#include <windows.h>

#include <string>
#include <string_view>

namespace drobi::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The text of a window: a control's caption or contents, a window's title.
std::wstring WindowText(HWND window);

// A form text as an edit control shows it: UTF-16, each "\n" as "\r\n".
std::wstring ShownLines(std::string_view utf8);
// What the user sees in an edit control, back as a form text: UTF-8, each "\r\n" as "\n".
std::string FormLines(std::wstring_view shown);

// A list control's row string is the row's text as the list shows it, then, where a screen reader
// is to hear more than that text, a tab and what it hears. Only the part before the tab is drawn.
inline std::wstring_view ShownRowText(std::wstring_view row_string) {
  return row_string.substr(0, row_string.find(L'\t'));
}

}  // namespace drobi::win32
