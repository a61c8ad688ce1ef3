#pragma once

#include "ui/model/clickable.hpp"
#include "ui/win32/child_control.hpp"
#include "ui/win32/error_edge.hpp"

namespace drobi::win32 {

// The button (Command1): its caption from the form, painted in its own colour on every desktop
// theme with the usual raised edge; a click on it is the button's click.
class PushButton : public ChildControl {
 public:
  PushButton(const Placement& at, const ControlLayout& layout, CommandButton& button,
             ErrorEdge& edge);

  void OnCommand(int code) override;
  void OnDraw(const DRAWITEMSTRUCT& item) override;
  void OnScale(const WindowScale& scale) override { scale_ = scale; }

 private:
  CommandButton& button_;
  ErrorEdge& edge_;
  COLORREF face_;
  WindowScale scale_;
};

}  // namespace drobi::win32
