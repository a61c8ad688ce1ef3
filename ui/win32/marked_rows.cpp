#include "ui/win32/marked_rows.hpp"

#include <string>

#include "ui/win32/handles.hpp"
#include "ui/win32/list_handle.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

void Fill(HDC dc, const RECT& box, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
}

}  // namespace

RowMark MarkedRows::MarkOf(int row) const {
  if (edge_.Failed()) return {};
  // The marks only add to the row: a row whose mark cannot be worked out is drawn plain.
  try {
    return texts_.Mark(row);
  } catch (...) {
    return {};
  }
}

void MarkedRows::Draw(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  const RECT box = item.rcItem;
  const bool focus = (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0;
  if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus
    if (focus) DrawFocusRect(dc, &box);
    return;
  }
  const HWND list = item.hwndItem;
  const int row = static_cast<int>(item.itemID);
  const RowMark mark = MarkOf(row);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  Fill(dc, box,
       selected        ? GetSysColor(COLOR_HIGHLIGHT)
       : mark.turn > 0 ? StoredColour(mark.tint)
                       : GetSysColor(COLOR_WINDOW));

  const std::wstring row_string = ListHandle(list).Text(row);
  const std::wstring_view text = ShownRowText(row_string);
  if (!text.empty()) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    const Selection font_selection(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    RECT text_box = box;
    text_box.left += scale_.Lengthen(2);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &text_box,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
  }
  if (mark.starts_turn) {
    RECT line = box;
    line.bottom = line.top + scale_.Lengthen(1);
    Fill(dc, line, GetSysColor(COLOR_WINDOWTEXT));
  }
  if (focus) DrawFocusRect(dc, &box);
}

}  // namespace drobi::win32
