#pragma once

#include "ui/model/clickable.hpp"
#include "ui/win32/background.hpp"
#include "ui/win32/child_control.hpp"
#include "ui/win32/error_edge.hpp"

namespace drobi::win32 {

// The small green square (Label1): no text, and a click on it is the label's click.
class Spot : public ChildControl {
 public:
  Spot(const Placement& at, const ControlLayout& layout, Label& label, ErrorEdge& edge);

  void OnCommand(int code) override;
  HBRUSH OnColour(HDC dc) override { return back_.Paint(dc); }

 private:
  Label& label_;
  ErrorEdge& edge_;
  Background back_;
};

}  // namespace drobi::win32
