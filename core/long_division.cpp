#include "core/long_division.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

#include "core/runtime_error.hpp"

namespace drobi {
namespace {

// x·y mod m for x, y < m. While m·m fits in the type the product does; above, by doubling, since
// 2·m still fits.
template <typename Unsigned>
Unsigned MulMod(Unsigned x, Unsigned y, Unsigned m) {
  constexpr Unsigned kHalfWidth =
      std::numeric_limits<Unsigned>::max() >> (std::numeric_limits<Unsigned>::digits / 2);
  if (m <= kHalfWidth) return x * y % m;
  Unsigned product = 0;
  for (; y > 0; y >>= 1) {
    if ((y & 1) != 0) product = (product + x) % m;
    x = (x + x) % m;
  }
  return product;
}

template <typename Unsigned>
Unsigned PowMod(Unsigned base, Unsigned exponent, Unsigned m) {
  Unsigned power = 1 % m;
  for (base %= m; exponent > 0; exponent >>= 1) {
    if ((exponent & 1) != 0) power = MulMod(power, base, m);
    base = MulMod(base, base, m);
  }
  return power;
}

template <typename Unsigned>
Unsigned Totient(Unsigned m) {
  Unsigned totient = m;
  for (Unsigned f = 2; f * f <= m; ++f) {
    if (m % f != 0) continue;
    totient -= totient / f;
    while (m % f == 0) m /= f;
  }
  if (m > 1) totient -= totient / m;
  return totient;
}

// The least k > 0 with 10^k = 1 (mod m), for m > 1 prime to 10. It divides the totient of m
// (Euler), so each prime factor is struck from the totient for as long as the power stays 1.
template <typename Unsigned>
Unsigned OrderOfTenIn(Unsigned m) {
  Unsigned order = Totient(m);
  const auto strike = [&order, m](Unsigned prime) {
    while (order % prime == 0 && PowMod<Unsigned>(10, order / prime, m) == 1) order /= prime;
  };
  Unsigned rest = order;
  for (Unsigned f = 2; f * f <= rest; ++f) {
    if (rest % f != 0) continue;
    while (rest % f == 0) rest /= f;
    strike(f);
  }
  if (rest > 1) strike(rest);
  return order;
}

// Small moduli in 32 bits, whose division is the quicker one.
unsigned long long OrderOfTen(unsigned long long m) {
  if (m <= 0xFFFF) return OrderOfTenIn<std::uint32_t>(static_cast<std::uint32_t>(m));
  return OrderOfTenIn<unsigned long long>(m);
}

// |p| and |q|, once they are known to be fit for the division.
struct Operands {
  long long a;
  long long b;
};

Operands CheckOperands(long long p, long long q) {
  if (q == 0) throw RuntimeError(error::kDivisionByZero, "Division by zero");
  constexpr long long kLargest = std::numeric_limits<long long>::max() / 10;
  if (p == std::numeric_limits<long long>::min() || q < -kLargest || q > kLargest) {
    throw RuntimeError(error::kOverflow, "Overflow");
  }
  return {p < 0 ? -p : p, q < 0 ? -q : q};
}

}  // namespace

LongDivision DivideLong(long long p, long long q, int n) {
  const auto [a, b] = CheckOperands(p, q);
  LongDivision result;
  result.whole = p / q;
  result.digits.reserve(n > 0 ? static_cast<std::size_t>(n) : 0);
  result.remainders.reserve(n > 0 ? static_cast<std::size_t>(n) + 1 : 1);
  result.remainders.push_back(a % b);
  for (int step = 1; step <= n; ++step) {
    const long long scaled = result.remainders.back() * 10;
    result.digits.push_back(static_cast<int>(scaled / b));
    result.remainders.push_back(scaled % b);
  }
  return result;
}

// The remainders are r_k = a·10^k mod b. With g = gcd(a mod b, b) and b/g = 2^i·5^j·m, m prime
// to 10, the part of r_k/g modulo 2^i·5^j is 0 from step max(i, j) on and never before, and the
// part modulo m turns with the order of 10: so the digits repeat from step max(i, j) with that
// period, or end there when m = 1. Trial division keeps this to about sqrt(b) steps, where
// following the remainders round the period takes up to b steps.
Period FindPeriod(long long p, long long q) {
  const auto [a, b] = CheckOperands(p, q);
  const long long start = a % b;
  unsigned long long m = static_cast<unsigned long long>(b / std::gcd(start, b));
  int twos = 0;
  int fives = 0;
  for (; m % 2 == 0; m /= 2) ++twos;
  for (; m % 5 == 0; m /= 5) ++fives;
  Period result;
  result.pre_period = std::max(twos, fives);  // below 64
  if (m == 1) return result;
  result.period = static_cast<long long>(OrderOfTen(m));
  result.repeat_step = result.pre_period + result.period;
  long long remainder = start;
  for (int step = 0; step < result.pre_period; ++step) remainder = remainder * 10 % b;
  result.repeated_remainder = remainder;
  return result;
}

}  // namespace drobi
