#include "core/numeric.hpp"

#include <cmath>
#include <limits>

#include "core/runtime_error.hpp"

namespace drobi {
namespace {

template <typename Int>
Int Narrow(double value) {
  const double rounded = std::nearbyint(value);  // default rounding mode: ties to even
  if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    throw RuntimeError(error::kOverflow, "Overflow");
  }
  return static_cast<Int>(rounded);
}

void CheckDivisor(std::int32_t divisor) {
  if (divisor == 0) throw RuntimeError(error::kDivisionByZero, "Division by zero");
}

}  // namespace

double IntDiv(double a, double b) {
  const std::int64_t x = ToInt32(a);
  const std::int32_t y = ToInt32(b);
  CheckDivisor(y);
  return static_cast<double>(x / y);  // 64-bit, so INT32_MIN / -1 cannot overflow
}

double Mod(double a, double b) {
  const std::int64_t x = ToInt32(a);
  const std::int32_t y = ToInt32(b);
  CheckDivisor(y);
  return static_cast<double>(x % y);
}

double Divide(double a, double b) {
  if (b == 0.0) {
    if (a == 0.0 || std::isnan(a)) throw RuntimeError(error::kOverflow, "Overflow");
    throw RuntimeError(error::kDivisionByZero, "Division by zero");
  }
  const double quotient = a / b;
  if (!std::isfinite(quotient)) throw RuntimeError(error::kOverflow, "Overflow");
  return quotient;
}

double Floor(double value) { return std::floor(value); }

double Abs(double value) { return std::fabs(value); }

std::int16_t ToInt16(double value) { return Narrow<std::int16_t>(value); }

std::int32_t ToInt32(double value) { return Narrow<std::int32_t>(value); }

}  // namespace drobi
