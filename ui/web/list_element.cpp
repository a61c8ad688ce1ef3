#include "ui/web/list_element.hpp"

#include <algorithm>

#include "ui/web/css_colour.hpp"
#include "ui/web/dom.hpp"

namespace drobi::web {

ListElement::ListElement(int control, const ControlLayout& layout, ListBox& list,
                         std::unique_ptr<const RowTexts> texts)
    : control_(control), layout_(layout), list_(list), texts_(std::move(texts)) {
  list_.SetObserver(this);
}

ListElement::~ListElement() { list_.SetObserver(nullptr); }

void ListElement::OnChange(int row) {
  if (row == list_.ListIndex()) return;
  if (row < 0 || row >= list_.ListCount()) {
    ShowSelection();
    return;
  }
  list_.UserClick(row);
}

void ListElement::OnPress(int row) {
  if (row == list_.ListIndex()) list_.UserClick(row);
}

void ListElement::OnFocus() {
  // On a list with a selected row a screen reader lands on the row and names the list only as
  // the row's context, without its description: the page has that said once, after the row.
  // On one without, the reader says the list's description itself.
  const bool on_row = list_.ListIndex() >= 0 && layout_.spoken_hover != nullptr;
  drobi_dom_say(on_row ? layout_.spoken_hover : "");
}

bool ListElement::Settle() {
  bool wrote = false;
  if (changed_ && list_.Rows() != rows_) {
    rows_ = list_.Rows();
    std::string joined;
    for (const std::string& row : rows_) joined += row + '\n';
    drobi_dom_set_rows(control_, joined.c_str());
    looks_.assign(rows_.size(), Look{});
    index_ = -2;  // the options were remade
    wrote = true;
  }
  changed_ = false;
  if (index_ != list_.ListIndex()) {
    ShowSelection();
    wrote = true;
  }
  return wrote;
}

void ListElement::ShowSelection() {
  index_ = list_.ListIndex();
  drobi_dom_select(control_, index_);
  reveal_ = true;
}

void ListElement::OnFrame() {
  if (reveal_) drobi_dom_reveal_selection(control_);
  reveal_ = false;
  ShowLooks();
}

void ListElement::ShowLooks() {
  if (!texts_) return;
  // The marks follow the selected fraction, whichever list the handler changed.
  const int view = drobi_dom_rows_in_view(control_);
  const int last = std::min(view % 65536, static_cast<int>(rows_.size()) - 1);
  for (int row = view / 65536; row <= last; ++row) {
    Look look = LookOf(row);
    Look& shown = looks_[static_cast<std::size_t>(row)];
    if (look == shown) continue;
    drobi_dom_row_look(control_, row, look.hover.c_str(), look.spoken.c_str(), look.note.c_str(),
                       look.tint.c_str(), look.line_above ? 1 : 0);
    shown = std::move(look);
  }
}

ListElement::Look ListElement::LookOf(int row) const {
  Look look;
  try {
    const RowMark mark = texts_->Mark(row);
    look.hover = RowHoverText(*texts_, row, layout_);
    look.spoken = texts_->AccessibleText(row);
    look.note = texts_->SpokenNote(row);
    if (mark.turn > 0) look.tint = CssColour(mark.tint);
    look.line_above = mark.starts_turn;
  } catch (...) {  // as in the window, the row is shown and read by its text alone
    look = Look{};
  }
  return look;
}

void ListElement::RowAdded(int, const std::string&) { changed_ = true; }

void ListElement::Cleared() { changed_ = true; }

// The selection is compared when the handler has returned: a row selected and unselected again
// on the way is never written.
void ListElement::IndexChanged(int) {}

}  // namespace drobi::web
