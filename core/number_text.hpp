#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace drobi {

// Reads the number at the start of a row text: blanks, an optional sign, digits with an optional
// fractional part. Reading stops at the first character that does not fit; no digits read as 0,
// so the empty text (a list with nothing selected) gives 0. Independent of the C locale.
double ValFromText(std::string_view text);
// The double nearest digits × 10^exponent ("125", -2 is 1.25), rounded once. Digits that a double
// holds exactly with a power of ten up to 10^22, as every row text of the lists has, need no more
// than one multiplication or division, which WebAssembly does in hardware; other values go to the
// C library.
double DecimalValue(const std::string& digits, int exponent);
// A row text of the fraction table as a whole number for exact arithmetic, read as ValFromText
// reads it; nothing for a fraction or a number past the 32-bit range of the lists.
std::optional<long long> WholeFromText(std::string_view text);

// «-7», «0», «13».
std::string PlainText(long long value);
// The same with the sign's position kept for non-negative numbers: «␣0», «␣3», «-2».
std::string SignedText(long long value);

}  // namespace drobi
