#include "ui/form_controls.hpp"

#include <stdexcept>
#include <string>

namespace drobi {
namespace {

void Expect(const ControlLayout& control, ControlKind kind) {
  if (control.kind != kind) {
    throw std::invalid_argument(std::string(control.name) + " shows no such member of the form");
  }
}

}  // namespace

const ListBox& ListOf(const MainForm& form, const ControlLayout& list) {
  Expect(list, ControlKind::kList);
  return list.long_number ? form.Dylgo : form.Spis.at(static_cast<std::size_t>(list.index));
}

const TextBox& TextOf(const MainForm& form, const ControlLayout& field) {
  Expect(field, ControlKind::kText);
  return form.Text1.at(static_cast<std::size_t>(field.index));
}

}  // namespace drobi
