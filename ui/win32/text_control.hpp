#pragma once

#include <windows.h>

#include <string>

#include "ui/model/text_box.hpp"
#include "ui/win32/error_edge.hpp"

namespace drobi::win32 {

// A multi-line EDIT control that shows a TextBox. What the user types goes into the TextBox at
// once (EN_CHANGE), so a handler reading it sees the typed text; what the program writes into
// the TextBox is shown. Neither direction echoes back into the other. The TextBox holds its text
// with "\n" line breaks, the control with "\r\n".
class TextControl {
 public:
  TextControl(TextBox& text, HWND control, ErrorEdge& edge);
  ~TextControl();
  TextControl(const TextControl&) = delete;
  TextControl& operator=(const TextControl&) = delete;

  HWND Handle() const { return control_; }

  // EN_CHANGE from the control.
  void Changed();

 private:
  void Show(const std::string& text);

  TextBox& text_;
  HWND control_;
  ErrorEdge& edge_;
  bool showing_ = false;  // the change comes from the TextBox: do not send it back
  bool taking_ = false;   // the change comes from the user: it is shown already
};

}  // namespace drobi::win32
