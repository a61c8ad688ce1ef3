#pragma once

#include "core/number_style.hpp"
#include "ui/lists.hpp"

namespace drobi {

// Refills the quotient list with each fraction rounded to the digit count selected in Spis(4)
// (0 when none is selected), then selects in it the row selected in the numerators. That write
// raises the quotient list's click whenever a row is selected, since the list was just emptied.
void ShowDecimals(SpisArray& Spis, const NumberStyle& style);

}  // namespace drobi
