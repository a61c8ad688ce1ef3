#include "ui/win32/list_control.hpp"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/win32/dpi.hpp"
#include "ui/win32/handles.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kRowTool = 1;

TOOLINFOW RowTool(HWND control) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = control;
  tool.uId = kRowTool;
  return tool;
}

// A length given in pixels at 96 dpi, on the control's screen.
int Pixels(HWND control, int at_96_dpi) {
  return std::max(1, MulDiv(at_96_dpi, WindowDpi(control), kDefaultDpi));
}

}  // namespace

ListControl::ListControl(ListBox& list, HWND control, ErrorEdge& edge)
    : list_(list), control_(control), edge_(edge) {
  if (!SetWindowSubclass(control_, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    throw std::runtime_error("a list of the window cannot take clicks");
  }
  ShowAllRows();
  list_.SetObserver(this);
}

ListControl::~ListControl() {
  list_.SetObserver(nullptr);
  if (IsWindow(control_)) RemoveWindowSubclass(control_, Subclass, kSubclassId);
}

void ListControl::SelectionChanged() {
  const int row = static_cast<int>(SendMessageW(control_, LB_GETCURSEL, 0, 0));
  if (row == list_.ListIndex()) return;
  if (row < 0 || edge_.Failed()) {
    // Nothing that the ListBox would take: the control shows the ListBox's row again.
    IndexChanged(list_.ListIndex());
    return;
  }
  edge_.Run([this, row] { list_.UserClick(row); });
}

void ListControl::ShowRowTexts(std::unique_ptr<const RowTexts> texts, HWND tooltip,
                               std::wstring hover) {
  marks_ = std::move(texts);
  tooltip_ = tooltip;
  list_hover_ = std::move(hover);
  if (tooltip_ == nullptr) return;
  TOOLINFOW tool = RowTool(control_);
  tool.uFlags = TTF_SUBCLASS;
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  GetClientRect(control_, &tool.rect);
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ListControl::Draw(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  const RECT box = item.rcItem;
  const bool focus = (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0;
  if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus
    if (focus) DrawFocusRect(dc, &box);
    return;
  }
  const int row = static_cast<int>(item.itemID);
  RowMark mark;
  if (marks_ && !edge_.Failed()) {
    // The marks only add to the row: a row whose mark cannot be worked out is drawn plain.
    try {
      mark = marks_->Mark(row);
    } catch (...) {
      mark = {};
    }
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF back = selected        ? GetSysColor(COLOR_HIGHLIGHT)
                        : mark.turn > 0 ? StoredColour(mark.tint)
                                        : GetSysColor(COLOR_WINDOW);
  SetBkColor(dc, back);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);

  const auto length = SendMessageW(control_, LB_GETTEXTLEN, item.itemID, 0);
  if (length > 0) {
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(control_, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    text.resize(ShownRowText(text).size());
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control_, WM_GETFONT, 0, 0));
    const Selection font_selection(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    RECT text_box = box;
    text_box.left += Pixels(control_, 2);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_box,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
  }
  if (mark.starts_turn) {
    // A separator line above the first digit of each turn, so that colour is not the only sign.
    RECT line = box;
    line.bottom = line.top + Pixels(control_, 1);
    SetBkColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
  }
  if (focus) DrawFocusRect(dc, &box);
}

LRESULT CALLBACK ListControl::Subclass(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                       DWORD_PTR self) noexcept {
  auto* list = reinterpret_cast<ListControl*>(self);
  return list->edge_.Answer([&] { return list->Handle(message, w, l); },
                            [&] { return DefSubclassProc(control, message, w, l); });
}

LRESULT ListControl::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {  // the second press of a double click is a click of its own
      const int row = RowAt(l);
      const bool on_selected = row >= 0 && row == list_.ListIndex();
      const LRESULT result = DefSubclassProc(control_, message, w, l);
      if (on_selected) edge_.Run([this, row] { list_.UserClick(row); });
      return result;
    }
    case WM_MOUSEMOVE:
      if (tooltip_ != nullptr) HoverRow(RowAt(l));
      break;
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_SIZE:
      if (tooltip_ != nullptr) HoverRow(-2);  // the rows move under the pointer
      break;
    case WM_NOTIFY: {
      auto* notice = reinterpret_cast<NMHDR*>(l);
      if (tooltip_ != nullptr && notice->hwndFrom == tooltip_ && notice->code == TTN_GETDISPINFOW) {
        reinterpret_cast<NMTTDISPINFOW*>(l)->lpszText = const_cast<wchar_t*>(HoverText());
        return 0;
      }
      break;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(control_, Subclass, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(control_, message, w, l);
}

void ListControl::RowAdded(int row, const std::string& text) {
  if (row != SendMessageW(control_, LB_GETCOUNT, 0, 0)) {  // rows the control missed
    ShowAllRows();
    return;
  }
  const LRESULT added =
      SendMessageW(control_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  if (added == LB_ERR || added == LB_ERRSPACE) {
    throw std::runtime_error("a list of the window cannot show another row");
  }
  if (tooltip_ != nullptr) HoverRow(-2);
}

void ListControl::Cleared() {
  SendMessageW(control_, LB_RESETCONTENT, 0, 0);
  IndexChanged(list_.ListIndex());
  if (tooltip_ != nullptr) HoverRow(-2);
}

void ListControl::IndexChanged(int index) {
  SendMessageW(control_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListControl::ShowAllRows() {
  SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(control_, LB_RESETCONTENT, 0, 0);
  bool shown = true;
  for (const std::string& row : list_.Rows()) {
    const LRESULT added =
        SendMessageW(control_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(row).c_str()));
    shown = shown && added != LB_ERR && added != LB_ERRSPACE;
  }
  SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(control_, nullptr, TRUE);
  if (!shown) throw std::runtime_error("a list of the window cannot show its rows");
  IndexChanged(list_.ListIndex());
}

int ListControl::RowAt(LPARAM point) const {
  const auto found = static_cast<DWORD>(SendMessageW(control_, LB_ITEMFROMPOINT, 0, point));
  if (HIWORD(found) != 0) return -1;  // below the last row
  const int row = LOWORD(found);
  return row < SendMessageW(control_, LB_GETCOUNT, 0, 0) ? row : -1;
}

void ListControl::HoverRow(int row) {
  if (row == hover_row_) return;
  hover_row_ = row;
  // The tip goes away and comes back for the new row after the usual delay, asking its text.
  SendMessageW(tooltip_, TTM_POP, 0, 0);
  TOOLINFOW tool = RowTool(control_);
  if (row < 0 || SendMessageW(control_, LB_GETITEMRECT, static_cast<WPARAM>(row),
                              reinterpret_cast<LPARAM>(&tool.rect)) == LB_ERR) {
    GetClientRect(control_, &tool.rect);
  }
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

const wchar_t* ListControl::HoverText() {
  std::string own;
  if (marks_ && hover_row_ >= 0 && !edge_.Failed()) {
    try {
      own = marks_->HoverText(hover_row_);
    } catch (...) {
      own.clear();
    }
  }
  hover_ = own.empty() ? list_hover_ : ShownLines(own);
  return hover_.c_str();
}

}  // namespace drobi::win32
