#include "ui/long_number.hpp"

#include <cstdint>
#include <utility>

#include "core/number_text.hpp"
#include "core/numeric.hpp"

namespace drobi {

void ShowLongNumber(const SpisArray& Spis, ListBox& Dylgo) {
  const ListBox& numerators = Spis[kNumerators];
  if (numerators.ListCount() == 0) return;
  Dylgo.Clear();
  const int r = numerators.ListIndex();
  const std::int32_t p = ToInt32(ValFromText(numerators.List(r)));
  const std::int32_t q = ToInt32(ValFromText(Spis[kDenominators].List(r)));
  const ListBox& digits = Spis[kLongDigits];
  const std::int16_t n = ToInt16(ValFromText(digits.List(digits.ListIndex())));
  for (std::string& row : LongNumberRows(DivideLong(p, q, n))) Dylgo.AddItem(std::move(row));
}

std::vector<std::string> LongNumberRows(const LongDivision& division) {
  std::vector<std::string> rows;
  rows.reserve(division.digits.size() + 1);
  rows.push_back(SignedText(division.whole) + ".");
  for (const int digit : division.digits) rows.push_back(PlainText(digit));
  return rows;
}

}  // namespace drobi
