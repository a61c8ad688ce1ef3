#include "ui/model/text_box.hpp"

namespace drobi {

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (observer_) observer_(text_);
}

}  // namespace drobi
