#pragma once

#include <string>

#include "ui/model/text_box.hpp"

namespace drobi::web {

// A text field of the page (<textarea>) that shows a TextBox: the program's writes reach the
// field at once, and every edit of the user's becomes the TextBox's text.
class TextElement {
 public:
  TextElement(int control, TextBox& text);
  ~TextElement();
  TextElement(const TextElement&) = delete;
  TextElement& operator=(const TextElement&) = delete;

  void OnInput(std::string text) { text_.SetText(std::move(text)); }

 private:
  int control_;
  TextBox& text_;
};

}  // namespace drobi::web
