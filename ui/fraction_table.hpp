#pragma once

#include "core/random_source.hpp"
#include "ui/lists.hpp"

namespace drobi {

// Empties the numerators, denominators and quotients and the long number. Raises nothing.
void ClearLists(SpisArray& Spis, ListBox& Dylgo);

// Replaces the table by sixteen random fractions from the interval selected in Spis(3): four
// draws per row (sign, numerator, multiplier, denominator), 64 in all. Leaves the quotients and
// the long number empty and nothing selected. Without a selected interval N reads as 0 and the
// remainder by N raises.
void GenerateFractions(SpisArray& Spis, ListBox& Dylgo, RandomSource& random);

}  // namespace drobi
