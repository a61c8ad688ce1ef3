#pragma once

// Which member of the form a control of the layout shows, for every window system alike.

#include <utility>

#include "ui/main_form.hpp"
#include "ui/window_layout.hpp"

namespace drobi {

// The ListBox that a list of the layout shows: Dylgo for the long number, else Spis(index).
const ListBox& ListOf(const MainForm& form, const ControlLayout& list);
// The TextBox that a text field of the layout shows: Text1(index).
const TextBox& TextOf(const MainForm& form, const ControlLayout& field);

inline ListBox& ListOf(MainForm& form, const ControlLayout& list) {
  return const_cast<ListBox&>(ListOf(std::as_const(form), list));
}
inline TextBox& TextOf(MainForm& form, const ControlLayout& field) {
  return const_cast<TextBox&>(TextOf(std::as_const(form), field));
}

}  // namespace drobi
