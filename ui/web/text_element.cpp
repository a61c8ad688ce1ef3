#include "ui/web/text_element.hpp"

#include "ui/web/dom.hpp"

namespace drobi::web {

TextElement::TextElement(int control, TextBox& text) : control_(control), text_(text) {
  drobi_dom_set_text(control_, text_.Text().c_str());
  // The field that the user typed into shows the text already and keeps its caret.
  text_.SetChangeObserver(
      [this](const std::string& now) { drobi_dom_set_text(control_, now.c_str()); });
}

TextElement::~TextElement() { text_.SetChangeObserver({}); }

}  // namespace drobi::web
