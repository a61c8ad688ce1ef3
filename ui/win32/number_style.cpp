#include "ui/win32/number_style.hpp"

#include <windows.h>

#include <string>

#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

// The value of one locale setting, or nothing when the locale does not have it.
std::wstring Setting(const wchar_t* locale_name, LCTYPE type) {
  wchar_t value[32]{};
  const int size = GetLocaleInfoEx(locale_name, type, value, static_cast<int>(std::size(value)));
  return size > 1 ? std::wstring(value, static_cast<std::size_t>(size - 1)) : std::wstring();
}

}  // namespace

NumberStyle NumberStyleOfLocale(const wchar_t* locale_name) {
  const wchar_t* name = locale_name != nullptr ? locale_name : LOCALE_NAME_USER_DEFAULT;
  NumberStyle style;  // what a setting the locale lacks falls back to
  if (const std::wstring decimal = Setting(name, LOCALE_SDECIMAL); !decimal.empty()) {
    style.decimal_separator = Utf8(decimal);
  }
  style.group_separator = Utf8(Setting(name, LOCALE_STHOUSAND));
  // "3;0" groups by three, "0" not at all; the decimal column's values are below a thousand,
  // so the repeated group sizes of "3;2;0" end up as their first.
  if (const std::wstring grouping = Setting(name, LOCALE_SGROUPING); !grouping.empty()) {
    style.group_size = 0;
    for (const wchar_t c : grouping) {
      if (c < L'0' || c > L'9') break;
      style.group_size = style.group_size * 10 + (c - L'0');
    }
  }
  if (const std::wstring zero = Setting(name, LOCALE_ILZERO); !zero.empty()) {
    style.leading_zero = zero != L"0";
  }
  if (const std::wstring minus = Setting(name, LOCALE_SNEGATIVESIGN); !minus.empty()) {
    style.negative_sign = Utf8(minus);
  }
  if (const std::wstring format = Setting(name, LOCALE_INEGNUMBER);
      format.size() == 1 && format[0] >= L'0' && format[0] <= L'4') {
    style.negative_format = format[0] - L'0';
  }
  return style;
}

NumberStyle SystemNumberStyle() { return NumberStyleOfLocale(nullptr); }

}  // namespace drobi::win32
