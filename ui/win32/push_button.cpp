#include "ui/win32/push_button.hpp"

#include <commctrl.h>

#include "ui/win32/handles.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {

PushButton::PushButton(const Placement& at, const ControlLayout& layout, CommandButton& button,
                       ErrorEdge& edge)
    : ChildControl(CreateChild(at, layout, WC_BUTTONW, BS_OWNERDRAW, 0, Wide(button.Caption()))),
      button_(button),
      edge_(edge),
      face_(StoredColour(layout.back_colour)),
      scale_(at.scale) {}

void PushButton::OnCommand(int code) {
  if (code == BN_CLICKED) edge_.Run([this] { button_.Click(); });
}

void PushButton::OnDraw(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  RECT box = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  SetBkColor(dc, face_);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
  // The system's edge is 2 pixels wide: drawn again inside itself as the zoom grows.
  for (int edge = 0; edge < scale_.Lengthen(2); edge += 2) {
    DrawEdge(dc, &box, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
  }

  const std::wstring text = WindowText(Handle());
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
  const Selection font_selection(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT text_box = box;
  if (pressed) OffsetRect(&text_box, 1, 1);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    const int inset = scale_.Lengthen(2);
    InflateRect(&box, -inset, -inset);
    DrawFocusRect(dc, &box);
  }
}

}  // namespace drobi::win32
