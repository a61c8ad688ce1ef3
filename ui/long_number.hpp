#pragma once

#include <string>
#include <vector>

#include "core/long_division.hpp"
#include "ui/lists.hpp"

namespace drobi {

// Long division of the selected fraction into Dylgo: the integer part with its sign position and
// a point («␣0.», «-2.»), then one row per digit of |p|/q, as many as Spis(5) selects (none when
// nothing is selected there). With an empty table Dylgo is left as it is. With a table but no
// selected row both texts read empty and the division by zero raises.
void ShowLongNumber(const SpisArray& Spis, ListBox& Dylgo);

// The rows that Dylgo shows for a division: «␣c.» or «-c.», then one digit per row.
std::vector<std::string> LongNumberRows(const LongDivision& division);

}  // namespace drobi
