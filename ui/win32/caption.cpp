#include "ui/win32/caption.hpp"

#include <commctrl.h>

#include "ui/win32/text.hpp"

namespace drobi::win32 {

Caption::Caption(const Placement& at, const ControlLayout& layout)
    : ChildControl(CreateChild(at, layout, WC_STATICW, SS_CENTER | SS_NOPREFIX, 0,
                               Wide(layout.caption != nullptr ? layout.caption : ""))),
      back_(layout.back_colour) {}

}  // namespace drobi::win32
