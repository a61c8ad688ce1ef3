#include "ui/win32/spot.hpp"

#include <commctrl.h>

namespace drobi::win32 {

Spot::Spot(const Placement& at, const ControlLayout& layout, Label& label, ErrorEdge& edge)
    : ChildControl(CreateChild(at, layout, WC_STATICW, SS_NOTIFY, 0)),
      label_(label),
      edge_(edge),
      back_(layout.back_colour) {}

void Spot::OnCommand(int code) {
  if (code == STN_CLICKED) edge_.Run([this] { label_.Click(); });
}

}  // namespace drobi::win32
