#include "ui/lesson/row_texts.hpp"

#include <algorithm>

#include "ui/lesson/long_number_marks.hpp"
#include "ui/lesson/quotient_notes.hpp"

namespace drobi {

std::unique_ptr<const RowTexts> RowTextsFor(const MainForm& form, const ControlLayout& control) {
  if (control.kind != ControlKind::kList) return nullptr;
  // The long number: each digit's division step and the turns of the period.
  if (control.long_number) return std::make_unique<LongNumberMarks>(form.Spis, form.Dylgo);
  // The quotients: each fraction's exact value and why it ends or repeats.
  if (control.index == kQuotients) return std::make_unique<QuotientNotes>(form.Spis, form.Style());
  return nullptr;
}

std::string RowHoverText(const RowTexts& texts, int row, const ControlLayout& list) {
  std::string own = texts.HoverText(row);
  if (own.empty() && list.hover != nullptr) return list.hover;
  return own;
}

std::string SpokenAfterText(const RowTexts& texts, int row, std::string_view shown) {
  std::string spoken = texts.AccessibleText(row);
  shown.remove_prefix(std::min(shown.find_first_not_of(' '), shown.size()));
  if (!shown.empty() && std::string_view(spoken).starts_with(shown) &&
      (spoken.size() == shown.size() || spoken[shown.size()] == ',')) {
    const std::size_t rest = spoken.find_first_not_of(", ", shown.size());
    spoken.erase(0, std::min(rest, spoken.size()));
  }
  return spoken;
}

}  // namespace drobi
