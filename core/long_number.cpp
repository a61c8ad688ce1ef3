#include "core/long_number.hpp"

#include <cstdint>

#include "core/number_text.hpp"
#include "core/numeric.hpp"

namespace drobi {

void ShowLongNumber(const SpisArray& Spis, ListBox& Dylgo) {
  const ListBox& numerators = Spis[kNumerators];
  if (numerators.ListCount() == 0) return;
  Dylgo.Clear();
  const int r = numerators.ListIndex();
  const double p = ValFromText(numerators.List(r));
  const double q = ValFromText(Spis[kDenominators].List(r));
  const double c = IntDiv(p, q);
  Dylgo.AddItem(SignedText(static_cast<long long>(c)) + ".");

  // rem < b < 2^31, so 10·rem stays far inside 64 bits.
  const auto b = static_cast<std::int64_t>(Abs(q));
  auto rem = static_cast<std::int64_t>(Abs(p) - Abs(c * static_cast<double>(b)));
  const ListBox& digits = Spis[kLongDigits];
  const std::int16_t n = ToInt16(ValFromText(digits.List(digits.ListIndex())));
  for (int i = 1; i <= n; ++i) {
    rem *= 10;
    const std::int64_t digit = rem / b;
    Dylgo.AddItem(PlainText(digit));
    rem -= b * digit;
  }
}

}  // namespace drobi
