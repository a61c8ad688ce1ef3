#pragma once

#include <vector>

namespace drobi {

// The long division of p/q digit by digit.
struct LongDivision {
  long long whole = 0;      // p/q truncated toward zero, the number that row 0 of Dylgo shows
  std::vector<int> digits;  // digits[k] is the digit of step k + 1
  // remainders[0] is what the integer part leaves, |p| mod |q|; remainders[k] is what step k
  // leaves, so there is one more remainder than digits.
  std::vector<long long> remainders;
};

// What shows why the digits of p/q repeat: only the remainders 0 … |q|-1 can occur, so the
// remainder either reaches 0 or meets an earlier one.
struct Period {
  // Digits before the repeating part. For a terminating fraction: the digits up to and including
  // its last non-zero one, after which every digit is 0 and nothing repeats.
  int pre_period = 0;
  // Digits in one turn of the repeating part; 0 for a terminating fraction. Known exactly also
  // when it is longer than the digits asked for.
  long long period = 0;
  // The first step whose remainder equals an earlier one, pre_period + period; the earlier one is
  // remainders[pre_period]. 0 for a terminating fraction, whose remainder reaches 0 instead.
  long long repeat_step = 0;
  // The remainder that comes back at the repeat step; 0 for a terminating fraction.
  long long repeated_remainder = 0;
};

// Runs n steps of long division of |p| by |q| (none when n <= 0). q = 0 raises division by zero;
// a |q| so large that ten times a remainder would not fit, or p = LLONG_MIN, raises overflow.
LongDivision DivideLong(long long p, long long q, int n);

// The period of p/q, raising as DivideLong does. Takes about sqrt(|q|) steps and constant memory,
// however long the period: it is asked for on every hover of a row, not only once per click.
Period FindPeriod(long long p, long long q);

}  // namespace drobi
