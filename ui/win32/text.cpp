#include "ui/win32/text.hpp"

#include <windows.h>

#include <limits>
#include <stdexcept>

namespace drobi::win32 {
namespace {

int Length(std::size_t size) {
  if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw std::length_error("text too long for the window");
  }
  return static_cast<int>(size);
}

}  // namespace

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = Length(utf8.size());
  // Bytes that are not UTF-8 become U+FFFD rather than failing the whole text.
  const int wide_size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wide_size);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = Length(wide.size());
  const int utf8_size =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(utf8_size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), utf8_size, nullptr, nullptr);
  return utf8;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ShownLines(std::string_view utf8) {
  const std::wstring wide = Wide(utf8);
  std::wstring shown;
  shown.reserve(wide.size() + wide.size() / 16);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] == L'\n' && (i == 0 || wide[i - 1] != L'\r')) shown += L'\r';
    shown += wide[i];
  }
  return shown;
}

std::string FormLines(std::wstring_view shown) {
  std::wstring lines;
  lines.reserve(shown.size());
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == L'\r' && i + 1 < shown.size() && shown[i + 1] == L'\n') continue;
    lines += shown[i];
  }
  return Utf8(lines);
}

}  // namespace drobi::win32
