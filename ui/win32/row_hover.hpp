#pragma once

#include <windows.h>

#include <string>

#include "ui/lesson/row_texts.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32 {

// A hover text for each row of a list: the window's tooltip shows the text of the row under the
// pointer (RowHoverText: the row's own, else the list's), and asks again whenever
// the pointer reaches another row or the rows move under it.
class RowHover {
 public:
  RowHover(HWND list, HWND tooltip, const RowTexts& texts, const ControlLayout& layout,
           ErrorEdge& edge);
  ~RowHover();
  RowHover(const RowHover&) = delete;
  RowHover& operator=(const RowHover&) = delete;

  // The rows changed: the next move of the pointer asks for its row's text anew.
  void RowsMoved() { HoverRow(kNoRow); }

 private:
  static constexpr int kNoRow = -2;  // not even "below the last row" (-1)

  static LRESULT CALLBACK Subclass(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                   DWORD_PTR self) noexcept;
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  void HoverRow(int row);
  const wchar_t* HoverText();

  HWND list_;
  HWND tooltip_;
  const RowTexts& texts_;
  const ControlLayout& layout_;
  ErrorEdge& edge_;
  std::wstring hover_;  // what the tooltip shows; it reads the text from here
  int hover_row_ = kNoRow;
};

}  // namespace drobi::win32
