#include "ui/decimal_column.hpp"

#include "core/format_fixed.hpp"
#include "core/number_text.hpp"
#include "core/numeric.hpp"

namespace drobi {

void ShowDecimals(SpisArray& Spis, const NumberStyle& style) {
  ListBox& quotients = Spis[kQuotients];
  quotients.Clear();
  if (Spis[kNumerators].ListCount() == 0) return;
  for (int i = 0; i < kTableRows; ++i) {
    const double p = ValFromText(Spis[kNumerators].List(i));
    const std::int16_t q = ToInt16(ValFromText(Spis[kDenominators].List(i)));
    const double value = Divide(p, q);
    const ListBox& digits = Spis[kDecimalDigits];
    const std::int32_t d = ToInt32(ValFromText(digits.List(digits.ListIndex())));
    quotients.AddItem(FormatFixed(value, d, style));
  }
  quotients.SetListIndex(Spis[kNumerators].ListIndex());
}

}  // namespace drobi
