#include "ui/fraction_table.hpp"

#include "core/number_text.hpp"
#include "core/numeric.hpp"

namespace drobi {
namespace {

double Draw(RandomSource& random) { return static_cast<double>(random.Next()); }

}  // namespace

void ClearLists(SpisArray& Spis, ListBox& Dylgo) {
  for (int i = kNumerators; i <= kQuotients; ++i) Spis[i].Clear();
  Dylgo.Clear();
}

void GenerateFractions(SpisArray& Spis, ListBox& Dylgo, RandomSource& random) {
  ClearLists(Spis, Dylgo);
  ListBox& interval = Spis[kInterval];
  const double n = ValFromText(interval.List(interval.ListIndex()));
  for (int row = 0; row < kTableRows; ++row) {
    // One time in five the numerator is negative.
    const double sign = Mod(Floor(Draw(random) * 100), 5) == 0 ? -1.0 : 1.0;
    // Floor of R·N is below N for every R < 1; the remainder only guards that bound.
    const double x = Mod(Floor(Draw(random) * n), n);
    const double p = Floor(sign * x);
    Spis[kNumerators].AddItem(PlainText(static_cast<long long>(p)));

    double multiplier = Mod(Floor(Draw(random) * 100), 5);
    if (multiplier < 1) multiplier = 1;
    const double y = Mod(Floor(Draw(random) * n), n);
    const std::int16_t q = ToInt16(1 + Floor(y * multiplier));
    Spis[kDenominators].AddItem(PlainText(q));
  }
}

}  // namespace drobi
