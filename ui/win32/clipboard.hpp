#pragma once

#include <windows.h>

#include <string_view>

namespace drobi::win32 {

// Puts `text` on the clipboard as Unicode text, for `owner`; false where the clipboard is another
// program's just now or the memory cannot be had.
bool CopyToClipboard(HWND owner, std::wstring_view text);

}  // namespace drobi::win32
