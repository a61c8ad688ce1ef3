#include "ui/win32/spoken_line.hpp"

#include <commctrl.h>

#include <stdexcept>
#include <utility>

#include "ui/win32/text.hpp"

namespace drobi::win32 {

SpokenLine::SpokenLine(HWND parent, int id, Annotations& annotations, bool alert)
    : control_(CreateWindowExW(
          0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
          reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr)),
      annotations_(annotations),
      alert_(alert) {
  if (control_ == nullptr) throw std::runtime_error("a line of the view cannot be created");
}

void SpokenLine::Tell(const std::string& shown, const std::string& spoken, bool announce) {
  const std::wstring text = Wide(shown);
  if (WindowText(control_) != text) SetWindowTextW(control_, text.c_str());
  std::wstring name = Wide(spoken);
  if (name == spoken_) return;
  annotations_.Set(control_, Annotations::Property::kName, name);
  spoken_ = std::move(name);
  if (!announce) return;
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control_, OBJID_CLIENT, CHILDID_SELF);
  if (alert_) NotifyWinEvent(EVENT_SYSTEM_ALERT, control_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace drobi::win32
