#pragma once

#include <QPlainTextEdit>
#include <string>

#include "ui/model/text_box.hpp"
#include "ui/qt/error_edge.hpp"

namespace drobi {

// A multi-line text field with a vertical scroll bar that shows a TextBox. What the user types
// goes into the TextBox at once, so a handler reading it sees the typed text; what the program
// writes into the TextBox is shown. Neither direction echoes back into the other.
class TextField : public QPlainTextEdit {
  Q_OBJECT

 public:
  TextField(TextBox& text, ErrorEdge& edge, QWidget* parent);
  ~TextField() override;
  TextField(const TextField&) = delete;
  TextField& operator=(const TextField&) = delete;

 private:
  void ShowText(const std::string& text);
  void TakeUserEdit();

  TextBox& text_;
  ErrorEdge& edge_;
  bool showing_ = false;  // the change comes from the TextBox: do not send it back
  bool taking_ = false;   // the change comes from the user: it is shown already
};

}  // namespace drobi
