#pragma once

// The form's texts are UTF-8 with "\n" line breaks; Windows controls take UTF-16, and a
// multi-line edit control breaks lines at "\r\n".

#include <string>
#include <string_view>

namespace drobi::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// A form text as an edit control shows it: UTF-16, each "\n" as "\r\n".
std::wstring ShownLines(std::string_view utf8);
// What the user sees in an edit control, back as a form text: UTF-8, each "\r\n" as "\n".
std::string FormLines(std::wstring_view shown);

}  // namespace drobi::win32
