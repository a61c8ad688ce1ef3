#include "ui/win32/row_hover.hpp"

#include <commctrl.h>

#include <stdexcept>

#include "ui/win32/list_handle.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 2;
constexpr UINT_PTR kRowTool = 1;

TOOLINFOW RowTool(HWND list) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = list;
  tool.uId = kRowTool;
  return tool;
}

}  // namespace

RowHover::RowHover(HWND list, HWND tooltip, const RowTexts& texts, const ControlLayout& layout,
                   ErrorEdge& edge)
    : list_(list), tooltip_(tooltip), texts_(texts), layout_(layout), edge_(edge) {
  if (!SetWindowSubclass(list_, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    throw std::runtime_error("a list of the window cannot show its rows' hover texts");
  }
  TOOLINFOW tool = RowTool(list_);
  tool.uFlags = TTF_SUBCLASS;
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  GetClientRect(list_, &tool.rect);
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

RowHover::~RowHover() {
  if (IsWindow(list_)) RemoveWindowSubclass(list_, Subclass, kSubclassId);
}

LRESULT CALLBACK RowHover::Subclass(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                    DWORD_PTR self) noexcept {
  auto* hover = reinterpret_cast<RowHover*>(self);
  return hover->edge_.Answer([&] { return hover->OnMessage(message, w, l); },
                             [&] { return DefSubclassProc(list, message, w, l); });
}

LRESULT RowHover::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_MOUSEMOVE:
      HoverRow(ListHandle(list_).RowAt(l));
      break;
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_SIZE:
      RowsMoved();
      break;
    case WM_NOTIFY: {
      const auto* notice = reinterpret_cast<const NMHDR*>(l);
      if (notice->hwndFrom == tooltip_ && notice->code == TTN_GETDISPINFOW) {
        reinterpret_cast<NMTTDISPINFOW*>(l)->lpszText = const_cast<wchar_t*>(HoverText());
        return 0;
      }
      break;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(list_, Subclass, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(list_, message, w, l);
}

void RowHover::HoverRow(int row) {
  if (row == hover_row_) return;
  hover_row_ = row;
  // The tip goes away and comes back for the new row after the usual delay, asking its text.
  SendMessageW(tooltip_, TTM_POP, 0, 0);
  TOOLINFOW tool = RowTool(list_);
  if (row < 0 || !ListHandle(list_).ItemRect(row, tool.rect)) GetClientRect(list_, &tool.rect);
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

const wchar_t* RowHover::HoverText() {
  std::string text = layout_.hover != nullptr ? layout_.hover : "";
  if (hover_row_ >= 0 && !edge_.Failed()) {
    try {
      text = RowHoverText(texts_, hover_row_, layout_);
    } catch (...) {  // the list's own hover text stands
    }
  }
  hover_ = ShownLines(text);
  return hover_.c_str();
}

}  // namespace drobi::win32
