#pragma once

#include <windows.h>

#include <string>

#include "ui/model/text_box.hpp"
#include "ui/win32/child_control.hpp"
#include "ui/win32/error_edge.hpp"

namespace drobi::win32 {

// A multi-line EDIT control that shows a TextBox. What the user types goes into the TextBox at
// once (EN_CHANGE), so a handler reading it sees the typed text; what the program writes into
// the TextBox is shown. Neither direction echoes back into the other. The TextBox holds its text
// with "\n" line breaks, the control with "\r\n".
class TextControl : public ChildControl {
 public:
  TextControl(const Placement& at, const ControlLayout& layout, TextBox& text, ErrorEdge& edge);
  ~TextControl() override;

  void OnCommand(int code) override;

 private:
  void Show(const std::string& text);

  TextBox& text_;
  ErrorEdge& edge_;
  bool showing_ = false;  // the change comes from the TextBox: do not send it back
  bool taking_ = false;   // the change comes from the user: it is shown already
};

}  // namespace drobi::win32
