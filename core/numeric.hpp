#pragma once

#include <cstdint>

namespace drobi {

// The arithmetic the computations lean on. Every operand that occurs is a whole number well inside
// the 32-bit range, carried as a double; these functions check that instead of assuming it.

// Quotient truncated toward zero; -7 and 3 give -2. Divisor 0 raises.
double IntDiv(double a, double b);
// Remainder of the truncating division, with the dividend's sign. Divisor 0 raises.
double Mod(double a, double b);
// Floating quotient; divisor 0 raises (0/0 as an overflow, like any undefined result).
double Divide(double a, double b);
double Floor(double value);
double Abs(double value);
// Narrowing, rounded to nearest with ties to even; out of range (or not a number) raises.
std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);

}  // namespace drobi
