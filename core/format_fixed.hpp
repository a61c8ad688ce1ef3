#pragma once

#include <string>

#include "core/number_style.hpp"

namespace drobi {

// The value rounded to exactly `digits` places after the separator (none for 0 digits), written
// in the given style. Rounding works on the shortest decimal that reads back as the same double,
// the number a person would write for it, with ties away from zero: 0.15 with 1 digit is «0.2»
// even though the double nearest 0.15 lies below it. A negative value that rounds to zero is
// written without its sign (or brackets). Digits outside 0..99 and values that are not finite
// raise.
std::string FormatFixed(double value, int digits, const NumberStyle& style);

}  // namespace drobi
