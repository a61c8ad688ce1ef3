#include "core/format_fixed.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>

#include "core/runtime_error.hpp"
#include "tests/support/exact.hpp"

namespace drobi {
namespace {

using testing::ExactRounded;

const NumberStyle kPoint{};
const NumberStyle kComma{",", "\u00a0", 3, true, "-"};

struct FormatCase {
  const char* name;
  double value;
  int digits;
  NumberStyle style;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatFixedCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixedCases, Writes) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatFixed(c.value, c.digits, c.style), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatFixedCases,
    ::testing::Values(
        // Ties on the decimal a person writes, away from zero, whatever the double's error.
        FormatCase{"ThreeTwentiethsOneDigit", 3.0 / 20, 1, kPoint, "0.2"},
        FormatCase{"TwentyNineTwoHundredthsTwoDigits", 29.0 / 200, 2, kPoint, "0.15"},
        FormatCase{"OneEighthTwoDigits", 1.0 / 8, 2, kPoint, "0.13"},
        FormatCase{"NegativeThreeFortiethsTwoDigits", -3.0 / 40, 2, kPoint, "-0.08"},
        FormatCase{"CarryIntoIntegerPart", 0.9996, 3, kPoint, "1.000"},
        FormatCase{"CarryAddsADigit", 99.95, 1, kPoint, "100.0"},
        FormatCase{"HalfToOne", 0.5, 0, kPoint, "1"},
        FormatCase{"NegativeHalf", -0.5, 0, kPoint, "-1"},
        FormatCase{"TwoAndAHalf", 2.5, 0, kPoint, "3"},
        FormatCase{"SevenHalves", 3.5, 0, kPoint, "4"},
        FormatCase{"NegativeThirdToZeroHasNoSign", -1.0 / 3, 0, kPoint, "0"},
        FormatCase{"NegativeTinyToZeroHasNoSign", -0.00004, 4, kPoint, "0.0000"},
        FormatCase{"NegativeZero", -0.0, 2, kPoint, "0.00"},
        FormatCase{"Zero", 0.0, 4, kPoint, "0.0000"},
        FormatCase{"ZeroNoDigits", 0.0, 0, kPoint, "0"},
        FormatCase{"WholeNumberPadded", 5.0, 4, kPoint, "5.0000"},
        FormatCase{"NegativeThreeSevenths", -3.0 / 7, 4, kPoint, "-0.4286"},
        FormatCase{"CommaSeparator", -3.0 / 7, 4, kComma, "-0,4286"},
        FormatCase{"SevenDigits", 2.0 / 3, 7, kPoint, "0.6666667"},
        FormatCase{"TinyValue", 1e-20, 7, kPoint, "0.0000000"},
        FormatCase{"JustBelowHalfUnit", 0.000000049, 7, kPoint, "0.0000000"},
        FormatCase{"HalfUnitOfLastPlace", 0.00000005, 7, kPoint, "0.0000001"},
        FormatCase{"Grouping", 1234567.891, 2, kPoint, "1,234,567.89"},
        FormatCase{"GroupingComma", -1234567.891, 1, kComma, "-1\u00a0234\u00a0567,9"},
        FormatCase{"GroupingExactlyOneGroup", 999.0, 0, kPoint, "999"},
        FormatCase{"HugeValue", 1e20, 1, kPoint, "100,000,000,000,000,000,000.0"},
        FormatCase{"NoGroups", 1234567.0, 0, NumberStyle{".", ",", 0, true, "-"}, "1234567"},
        FormatCase{"NoLeadingZero", 0.25, 2, NumberStyle{".", ",", 3, false, "-"}, ".25"},
        FormatCase{"NoLeadingZeroNegative", -0.25, 1, NumberStyle{".", ",", 3, false, "-"}, "-.3"},
        FormatCase{"NoLeadingZeroKeepsWholeZero", 0.2, 0, NumberStyle{".", ",", 3, false, "-"},
                   "0"},
        // The five places of the sign that Windows' regional settings offer.
        FormatCase{"NegativeInBrackets", -1.05, 1, NumberStyle{",", " ", 3, true, "-", 0}, "(1,1)"},
        FormatCase{"NegativeSignFirst", -1.05, 1, NumberStyle{",", " ", 3, true, "-", 1}, "-1,1"},
        FormatCase{"NegativeSignBlankFirst", -1.05, 1, NumberStyle{",", " ", 3, true, "-", 2},
                   "- 1,1"},
        FormatCase{"NegativeSignLast", -1.05, 1, NumberStyle{",", " ", 3, true, "-", 3}, "1,1-"},
        FormatCase{"NegativeSignBlankLast", -1234.5, 0, NumberStyle{",", " ", 3, false, "-", 4},
                   "1 235 -"},
        FormatCase{"NoBracketsAroundZero", -0.04, 1, NumberStyle{".", ",", 3, true, "-", 0}, "0.0"},
        FormatCase{"BracketsWithoutLeadingZero", -0.25, 2, NumberStyle{".", ",", 3, false, "-", 0},
                   "(.25)"},
        FormatCase{"OwnMinusSign", -1.5, 1, NumberStyle{".", ",", 3, true, "\u2212"}, "\u22121.5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFixed, RejectsDigitCountsOutsideRange) {
  for (int digits : {-1, 100}) {
    try {
      FormatFixed(1.0, digits, kPoint);
      FAIL() << digits << " digits were accepted";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), error::kInvalidCall);
    }
  }
}

TEST(FormatFixed, RejectsValuesThatAreNotFinite) {
  for (double value : std::initializer_list<double>{INFINITY, -INFINITY, NAN}) {
    EXPECT_THROW(FormatFixed(value, 2, kPoint), RuntimeError) << value;
  }
}

// Every fraction the 10, 20 and 50 intervals can produce, with every digit count and both
// separators, against exact rational rounding.
class FormatFixedIntervals : public ::testing::TestWithParam<int> {};

TEST_P(FormatFixedIntervals, MatchesExactRounding) {
  const int n = GetParam();
  int failures = 0;
  for (long long q = 1; q <= 4 * (n - 1) + 1; ++q) {
    for (long long p = -(n - 1); p <= n - 1; ++p) {
      const double value = static_cast<double>(p) / static_cast<double>(q);
      for (int d = 0; d <= 7; ++d) {
        for (const NumberStyle* style : {&kPoint, &kComma}) {
          const std::string expected = ExactRounded(p, q, d, style->decimal_separator);
          const std::string actual = FormatFixed(value, d, *style);
          if (actual != expected && ++failures <= 10) {
            ADD_FAILURE() << p << "/" << q << " with " << d << " digits: " << actual
                          << ", expected " << expected;
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

INSTANTIATE_TEST_SUITE_P(Intervals, FormatFixedIntervals, ::testing::Values(10, 20, 50),
                         [](const auto& info) { return "N" + std::to_string(info.param); });

TEST(FormatFixed, MatchesExactRoundingOnLargeDenominators) {
  std::mt19937 engine(20261208);
  std::uniform_int_distribution<long long> numerator(-999, 999);
  std::uniform_int_distribution<long long> denominator(1, 3997);
  int failures = 0;
  for (int i = 0; i < 200000; ++i) {
    const long long p = numerator(engine);
    const long long q = denominator(engine);
    const int d = i % 8;
    const NumberStyle& style = (i / 8) % 2 == 0 ? kPoint : kComma;
    const std::string expected = ExactRounded(p, q, d, style.decimal_separator);
    const std::string actual =
        FormatFixed(static_cast<double>(p) / static_cast<double>(q), d, style);
    if (actual != expected && ++failures <= 10) {
      ADD_FAILURE() << p << "/" << q << " with " << d << " digits: " << actual << ", expected "
                    << expected;
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace drobi
