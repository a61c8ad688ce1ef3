#pragma once

#include "core/lists.hpp"

namespace drobi {

// Long division of the selected fraction into Dylgo: the integer part with its sign position and
// a point («␣0.», «-2.»), then one row per digit of |p|/q, as many as Spis(5) selects (none when
// nothing is selected there). With an empty table Dylgo is left as it is. With a table but no
// selected row both texts read empty and the division by zero raises.
void ShowLongNumber(const SpisArray& Spis, ListBox& Dylgo);

}  // namespace drobi
