#include "core/long_division.hpp"

#include <limits>

#include "core/runtime_error.hpp"

namespace drobi {
namespace {

struct Cycle {
  long long lead = 0;       // steps before the first remainder that comes back
  long long length = 0;     // steps from that remainder to its return
  long long remainder = 0;  // the remainder that comes back
};

// Brent's cycle search on the remainder sequence r -> 10·r mod b. Every remainder lies in
// 0 … b-1, so the sequence must come back to one within b steps; a terminating fraction is the
// cycle of length 1 on the remainder 0. Constant memory keeps a period of billions of digits
// from needing a table of that size.
Cycle FindCycle(long long start, long long b) {
  const auto next = [b](long long r) { return r * 10 % b; };
  long long power = 1;
  long long length = 1;
  long long tortoise = start;
  long long hare = next(start);
  while (tortoise != hare) {
    if (power == length) {
      tortoise = hare;
      power *= 2;
      length = 0;
    }
    hare = next(hare);
    ++length;
  }
  tortoise = start;
  hare = start;
  for (long long i = 0; i < length; ++i) hare = next(hare);
  long long lead = 0;
  while (tortoise != hare) {
    tortoise = next(tortoise);
    hare = next(hare);
    ++lead;
  }
  return {lead, length, tortoise};
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

Period FindPeriod(long long p, long long q) {
  const auto [a, b] = CheckOperands(p, q);
  const Cycle cycle = FindCycle(a % b, b);
  Period result;
  // The lead is the larger of the exponents of 2 and 5 in b, so below 64.
  result.pre_period = static_cast<int>(cycle.lead);
  if (cycle.remainder != 0) {
    result.period = cycle.length;
    result.repeat_step = cycle.lead + cycle.length;
    result.repeated_remainder = cycle.remainder;
  }
  return result;
}

}  // namespace drobi
