#include "core/long_division.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "core/runtime_error.hpp"
#include "tests/support/exact.hpp"

namespace drobi {
namespace {

using testing::ExactLongNumber;

struct Periods {
  int pre_period;
  long long period;
};

// Reduce p/q and write the denominator as 2^a·5^b·m with m prime to 10: the digits start to
// repeat after max(a, b) places, and a turn is as long as the order of 10 modulo m (none if m = 1).
Periods NumberTheoretic(long long p, long long q) {
  q = std::llabs(q);
  long long m = q / std::gcd(std::llabs(p), q);
  int twos = 0;
  int fives = 0;
  for (; m % 2 == 0; m /= 2) ++twos;
  for (; m % 5 == 0; m /= 5) ++fives;
  long long order = 0;
  if (m > 1) {
    long long power = 10 % m;
    for (order = 1; power != 1; ++order) power = power * 10 % m;
  }
  return {std::max(twos, fives), order};
}

// What step k leaves: |p|·10^k mod |q|, by powers of ten and not by the division's own steps.
long long RemainderAfter(long long p, long long q, int k) {
  q = std::llabs(q);
  long long power = 1 % q;
  for (int i = 0; i < k; ++i) power = power * 10 % q;
  return std::llabs(p) % q * power % q;
}

std::vector<std::string> Rows(const LongDivision& d) {
  std::vector<std::string> rows{(d.whole < 0 ? "-" : " ") + std::to_string(std::llabs(d.whole)) +
                                "."};
  for (int digit : d.digits) rows.push_back(std::to_string(digit));
  return rows;
}

std::string Digits(const LongDivision& d) {
  std::string out;
  for (int digit : d.digits) out += static_cast<char>('0' + digit);
  return out;
}

// Empty when the division of p/q to n digits agrees with every oracle, else what differs.
std::string Mismatch(long long p, long long q, int n) {
  const LongDivision d = DivideLong(p, q, n);
  const Period period = FindPeriod(p, q);
  const Periods expected = NumberTheoretic(p, q);
  std::string out;
  if (period.pre_period != expected.pre_period) {
    out += " pre-period " + std::to_string(period.pre_period) + " not " +
           std::to_string(expected.pre_period);
  }
  if (period.period != expected.period) {
    out += " period " + std::to_string(period.period) + " not " + std::to_string(expected.period);
  }
  const long long repeat = expected.period == 0 ? 0 : expected.pre_period + expected.period;
  if (period.repeat_step != repeat) out += " repeat step " + std::to_string(period.repeat_step);
  if (q > 0 && Rows(d) != ExactLongNumber(p, q, n)) out += " digits " + Digits(d);
  if (d.remainders.size() != static_cast<std::size_t>(n) + 1) {
    out += " " + std::to_string(d.remainders.size()) + " remainders";
  } else {
    for (int k = 0; k <= n; ++k) {
      if (d.remainders[static_cast<std::size_t>(k)] != RemainderAfter(p, q, k)) {
        out += " remainder after step " + std::to_string(k);
        break;
      }
    }
  }
  return out;
}

TEST(DivideLong, Examples) {
  struct Case {
    long long p, q;
    int n;
    long long whole;
    const char* digits;
    int pre_period;
    long long period, repeat_step;
  };
  for (const Case& c : {
           Case{1, 7, 10, 0, "1428571428", 0, 6, 6},
           Case{22, 7, 8, 3, "14285714", 0, 6, 6},
           Case{1, 6, 5, 0, "16666", 1, 1, 2},
           Case{1, 8, 6, 0, "125000", 3, 0, 0},
           Case{1, 12, 6, 0, "083333", 2, 1, 3},
           Case{-7, 3, 4, -2, "3333", 0, 1, 1},
           Case{-3, 7, 3, 0, "428", 0, 6, 6},
           Case{0, 9, 3, 0, "000", 0, 0, 0},
           Case{13, 1, 2, 13, "00", 0, 0, 0},
           Case{7, -2, 3, -3, "500", 1, 0, 0},
           Case{1, 3, 0, 0, "", 0, 1, 1},
           Case{1, 983, 10, 0, "0010172939", 0, 982, 982},
       }) {
    const LongDivision d = DivideLong(c.p, c.q, c.n);
    const Period period = FindPeriod(c.p, c.q);
    EXPECT_EQ(d.whole, c.whole) << c.p << "/" << c.q;
    EXPECT_EQ(Digits(d), c.digits) << c.p << "/" << c.q;
    EXPECT_EQ(period.pre_period, c.pre_period) << c.p << "/" << c.q;
    EXPECT_EQ(period.period, c.period) << c.p << "/" << c.q;
    EXPECT_EQ(period.repeat_step, c.repeat_step) << c.p << "/" << c.q;
  }
}

// The remainder of the repeat step is the one left by the last step of the pre-period, and no
// remainder before the repeat step occurs twice.
TEST(DivideLong, RepeatStepIsTheFirstRemainderSeenBefore) {
  for (long long q : {7LL, 6LL, 12LL, 13LL, 17LL, 28LL, 44LL, 97LL}) {
    const LongDivision d = DivideLong(1, q, 120);
    const Period period = FindPeriod(1, q);
    ASSERT_GT(period.repeat_step, 0) << q;
    const auto first = d.remainders.begin();
    const auto repeat = first + period.repeat_step;
    EXPECT_EQ(std::find(first, repeat, *repeat) - first, period.pre_period) << q;
    EXPECT_EQ(*repeat, period.repeated_remainder) << q;
    std::vector<long long> seen(first, repeat);
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << q;
  }
}

struct Numerator {
  const char* name;
  long long (*of)(long long q);
};

void PrintTo(const Numerator& numerator, std::ostream* out) { *out << numerator.name; }

class DivideLongEveryDenominator : public ::testing::TestWithParam<Numerator> {};

// Every q up to 4000, to 90 digits: the periods against the rule above, the digits against
// exact long division and the remainders against powers of ten.
TEST_P(DivideLongEveryDenominator, AgreesWithNumberTheory) {
  int failures = 0;
  for (long long q = 1; q <= 4000; ++q) {
    const long long p = GetParam().of(q);
    const std::string mismatch = Mismatch(p, q, 90);
    if (!mismatch.empty() && ++failures <= 10) ADD_FAILURE() << p << "/" << q << ":" << mismatch;
  }
  EXPECT_EQ(failures, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Numerators, DivideLongEveryDenominator,
    ::testing::Values(Numerator{"One", [](long long) { return 1LL; }},
                      Numerator{"MinusOne", [](long long) { return -1LL; }},
                      Numerator{"Zero", [](long long) { return 0LL; }},
                      Numerator{"Ten", [](long long) { return 10LL; }},
                      Numerator{"MinusNineHundredNinetyNine", [](long long) { return -999LL; }},
                      Numerator{"Twelve", [](long long) { return 12LL; }},
                      Numerator{"QMinusOne", [](long long q) { return q - 1; }},
                      Numerator{"HalfOfQ", [](long long q) { return q / 2; }},
                      Numerator{"TwiceQPlusThree", [](long long q) { return 2 * q + 3; }},
                      Numerator{"MinusFiftyQ", [](long long q) { return -50 * q; }}),
    [](const auto& info) { return std::string(info.param.name); });

// Periods far longer than any digit count, found without a table as large as q.
TEST(DivideLong, LargeDenominators) {
  for (long long q : {999983LL, 1000003LL, 1048576LL * 390625LL, 3LL * 1024 * 999983}) {
    for (long long p : {1LL, -123456LL}) {
      EXPECT_EQ(Mismatch(p, q, 30), "") << p << "/" << q;
    }
  }
  // Past 2^32, where the powers of ten are taken by doubling: periods 10 and 18.
  for (long long q : {9999999999LL, 111111111111111111LL}) EXPECT_EQ(Mismatch(1, q, 30), "") << q;
}

TEST(DivideLong, NegativeDenominatorDividesByItsMagnitude) {
  EXPECT_EQ(Mismatch(-22, -7, 12), "");
  const LongDivision d = DivideLong(-22, -7, 3);
  EXPECT_EQ(d.whole, 3);
  EXPECT_EQ(Digits(d), "142");
}

TEST(DivideLong, NoDigitsForACountBelowOne) {
  for (int n : {0, -5}) {
    const LongDivision d = DivideLong(22, 7, n);
    EXPECT_TRUE(d.digits.empty());
    EXPECT_EQ(d.remainders, std::vector<long long>{1});
  }
}

TEST(DivideLong, RaisesForDivisorsItCannotUse) {
  struct Case {
    long long p, q;
    int number;
  };
  for (const Case& c : {Case{1, 0, error::kDivisionByZero}, Case{0, 0, error::kDivisionByZero},
                        Case{1, LLONG_MAX, error::kOverflow}, Case{1, LLONG_MIN, error::kOverflow},
                        Case{LLONG_MIN, 7, error::kOverflow}}) {
    for (const auto& divide : {+[](long long p, long long q) { DivideLong(p, q, 5); },
                               +[](long long p, long long q) { FindPeriod(p, q); }}) {
      try {
        divide(c.p, c.q);
        ADD_FAILURE() << c.p << "/" << c.q << ": no error raised";
      } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), c.number) << c.p << "/" << c.q;
      }
    }
  }
}

}  // namespace
}  // namespace drobi
