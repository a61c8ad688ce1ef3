#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/window_layout.hpp"
#include "ui/window_scale.hpp"

namespace drobi::win32 {

// Where a control of the layout is made: in its parent window, with its control id, laid out at
// a scale and in a font.
struct Placement {
  HWND parent;
  int id;
  WindowScale scale;
  HFONT font;
};

// A control of the window that answers for itself. Windows sends the parent what happens to a
// control (WM_COMMAND, WM_CTLCOLOR*, WM_DRAWITEM); the window hands it back to the control,
// found by its id. The control window itself goes with its parent.
class ChildControl {
 public:
  virtual ~ChildControl() = default;
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;

  HWND Handle() const { return handle_; }
  // Moves the control to `place`, in the parent's client pixels, cut at the form's edges `form`
  // where it runs past them (Text1(1)), as the window's edges cut it at 100 %.
  void Place(const RECT& place, const RECT& form) const;

  // WM_COMMAND with the control's notification code.
  virtual void OnCommand(int /*code*/) {}
  // WM_CTLCOLOR*: the brush of the control's background with the colours set in `dc`, or
  // nullptr for the system's.
  virtual HBRUSH OnColour(HDC /*dc*/) { return nullptr; }
  // WM_DRAWITEM of an owner-drawn control.
  virtual void OnDraw(const DRAWITEMSTRUCT& /*item*/) {}
  // The window is laid out at another dpi or zoom: what the control draws itself grows with it.
  virtual void OnScale(const WindowScale& /*scale*/) {}

 protected:
  explicit ChildControl(HWND handle) : handle_(handle) {}

 private:
  HWND handle_;
};

// Makes the window of a control of the layout: visible, at its place at the placement's dpi, in
// its font, and a tab stop where its kind takes the focus. `style` adds to that.
HWND CreateChild(const Placement& at, const ControlLayout& layout, const wchar_t* window_class,
                 DWORD style, DWORD ex_style, const std::wstring& text = {});
// Makes the hidden STATIC, at the control's place, whose text is the layout's accessible_name:
// Windows names a list or text field after the STATIC just above it in z-order.
HWND CreateNameLabel(const Placement& at, const ControlLayout& layout);
// The id of the control that a WM_COMMAND, WM_CTLCOLOR* or WM_DRAWITEM to its parent is about, 0
// for any other message.
int NotifyingId(UINT message, WPARAM w, LPARAM l);
// The parent's answer to such a message, `control` answering for itself; nothing where the
// system's default answer stands.
std::optional<LRESULT> Reflect(ChildControl* control, UINT message, WPARAM w, LPARAM l);
// Puts sibling windows in z-order as listed, the first on top.
void Stack(const std::vector<HWND>& top_first);

}  // namespace drobi::win32
