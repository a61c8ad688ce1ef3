#pragma once

#include "ui/win32/background.hpp"
#include "ui/win32/child_control.hpp"

namespace drobi::win32 {

// A caption of the window (Etiket): centred text on its own colour, without behaviour.
class Caption : public ChildControl {
 public:
  Caption(const Placement& at, const ControlLayout& layout);

  HBRUSH OnColour(HDC dc) override { return back_.Paint(dc); }

 private:
  Background back_;
};

}  // namespace drobi::win32
