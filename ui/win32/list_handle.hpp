#pragma once

#include <windows.h>

#include <string>

namespace drobi::win32 {

// The messages of a LISTBOX control, typed: rows are 0-based, -1 is none.
class ListHandle {
 public:
  explicit ListHandle(HWND list) : list_(list) {}

  HWND Handle() const { return list_; }

  int Count() const { return Send(LB_GETCOUNT); }
  int CurSel() const { return Send(LB_GETCURSEL); }
  // Selects the row without a notification, as every message from the program does.
  void SetCurSel(int row) const { Send(LB_SETCURSEL, static_cast<WPARAM>(row)); }
  int TopIndex() const { return Send(LB_GETTOPINDEX); }
  void SetTopIndex(int row) const { Send(LB_SETTOPINDEX, static_cast<WPARAM>(row)); }
  // False when the control has no room for another row.
  bool AddString(const std::wstring& text) const {
    const int added = Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return added != LB_ERR && added != LB_ERRSPACE;
  }
  void ResetContent() const { Send(LB_RESETCONTENT); }
  std::wstring Text(int row) const {
    const int length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(row));
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied =
        Send(LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
  }
  int ItemHeight() const { return Send(LB_GETITEMHEIGHT); }
  void SetItemHeight(int height) const { Send(LB_SETITEMHEIGHT, 0, height); }
  // The row under a point of the client area (as a mouse message's lParam), -1 where none is.
  int RowAt(LPARAM point) const {
    const auto found = static_cast<DWORD>(Send(LB_ITEMFROMPOINT, 0, point));
    if (HIWORD(found) != 0) return -1;  // below the last row
    return LOWORD(found) < Count() ? LOWORD(found) : -1;
  }
  // False where the row is not there.
  bool ItemRect(int row, RECT& rect) const {
    return Send(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) !=
           LB_ERR;
  }
  // Stops painting while rows are rewritten, and paints them all when `on` comes back.
  void SetRedraw(bool on) const {
    Send(WM_SETREDRAW, on ? TRUE : FALSE);
    if (on) InvalidateRect(list_, nullptr, TRUE);
  }

 private:
  int Send(UINT message, WPARAM w = 0, LPARAM l = 0) const {
    return static_cast<int>(SendMessageW(list_, message, w, l));
  }

  HWND list_;
};

}  // namespace drobi::win32
