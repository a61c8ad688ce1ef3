#include "ui/row_texts.hpp"

#include "ui/long_number_marks.hpp"
#include "ui/quotient_notes.hpp"

namespace drobi {

std::unique_ptr<const RowTexts> RowTextsFor(const MainForm& form, const ControlLayout& control) {
  if (control.kind != ControlKind::kList) return nullptr;
  // The long number: each digit's division step and the turns of the period.
  if (control.index < 0) return std::make_unique<LongNumberMarks>(form.Spis, form.Dylgo);
  // The quotients: each fraction's exact value and why it ends or repeats.
  if (control.index == kQuotients) return std::make_unique<QuotientNotes>(form.Spis, form.Style());
  return nullptr;
}

}  // namespace drobi
