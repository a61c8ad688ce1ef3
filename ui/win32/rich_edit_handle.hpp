#pragma once

// clang-format off
#include <windows.h>  // first: richedit.h builds on it
#include <richedit.h>
// clang-format on

namespace drobi::win32 {

// Typed messages to a rich edit control, in its character positions: a line end counts one.
class RichEditHandle {
 public:
  explicit RichEditHandle(HWND edit) : edit_(edit) {}

  CHARRANGE Selection() const {
    CHARRANGE range{};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
  }
  void Select(LONG first, LONG end) const {
    CHARRANGE range{first, end};
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }
  // The position where a line starts, -1 past the last.
  LONG LineStart(int line) const { return static_cast<LONG>(Send(EM_LINEINDEX, line)); }
  int FirstVisibleLine() const { return static_cast<int>(Send(EM_GETFIRSTVISIBLELINE)); }
  void ScrollLines(int lines) const { Send(EM_LINESCROLL, 0, lines); }
  // Sets the parts of the character format that `format.dwMask` names, on the selection or on
  // all the text.
  void Format(const CHARFORMAT2W& format, bool all) const {
    Send(EM_SETCHARFORMAT, all ? SCF_ALL : SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  }
  // Lines as long as they are: the control scrolls sideways instead of wrapping them.
  void KeepLinesWhole() const { Send(EM_SETTARGETDEVICE, 0, 1); }
  void SetMargins(int pixels) const {
    Send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(pixels, pixels));
  }
  void SetRedraw(bool on) const { Send(WM_SETREDRAW, on ? TRUE : FALSE); }

 private:
  LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const {
    return SendMessageW(edit_, message, w, l);
  }

  HWND edit_;
};

}  // namespace drobi::win32
