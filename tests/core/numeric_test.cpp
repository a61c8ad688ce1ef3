#include "core/numeric.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <functional>
#include <string>

#include "core/number_text.hpp"
#include "core/runtime_error.hpp"

namespace drobi {
namespace {

int ErrorNumberOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

TEST(Numeric, DivisionTruncatesTowardZero) {
  struct Case {
    double a, b, quotient, remainder;
  };
  for (const Case& c : {Case{-7, 3, -2, -1}, Case{7, 3, 2, 1}, Case{7, -3, -2, 1},
                        Case{-7, -3, 2, -1}, Case{0, 5, 0, 0}, Case{6, 3, 2, 0},
                        Case{-2147483648.0, -1, 2147483648.0, 0}}) {
    EXPECT_EQ(IntDiv(c.a, c.b), c.quotient) << c.a << " \\ " << c.b;
    EXPECT_EQ(Mod(c.a, c.b), c.remainder) << c.a << " mod " << c.b;
  }
}

TEST(Numeric, ZeroDivisorRaises) {
  EXPECT_EQ(ErrorNumberOf([] { IntDiv(7, 0); }), error::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { Mod(7, 0); }), error::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { Mod(7, 0.4); }), error::kDivisionByZero);  // rounds to 0 first
  EXPECT_EQ(ErrorNumberOf([] { Divide(7, 0); }), error::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { Divide(0, 0); }), error::kOverflow);
  EXPECT_EQ(Divide(-3, 7), -3.0 / 7.0);
}

TEST(Numeric, NarrowingRoundsAndChecksTheRange) {
  EXPECT_EQ(ToInt16(32767.0), 32767);
  EXPECT_EQ(ToInt16(-32768.0), -32768);
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(2.5), 2);  // ties to even
  EXPECT_EQ(ToInt16(3.5), 4);
  EXPECT_EQ(ToInt16(-1.6), -2);
  EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
  EXPECT_EQ(ToInt32(-2147483648.0), -2147483647 - 1);
  for (double value : std::initializer_list<double>{32767.5, 32768.0, -32769.0, NAN, INFINITY}) {
    EXPECT_EQ(ErrorNumberOf([value] { ToInt16(value); }), error::kOverflow) << value;
  }
  for (double value : std::initializer_list<double>{2147483648.0, -2147483649.0, NAN}) {
    EXPECT_EQ(ErrorNumberOf([value] { ToInt32(value); }), error::kOverflow) << value;
  }
}

TEST(Numeric, FloorAndAbs) {
  EXPECT_EQ(Floor(-0.5), -1.0);
  EXPECT_EQ(Floor(99.99999), 99.0);
  EXPECT_EQ(Floor(3.0), 3.0);
  EXPECT_EQ(Abs(-7.0), 7.0);
  EXPECT_EQ(Abs(7.0), 7.0);
}

TEST(NumberText, ReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{"", 0}, Case{"-7", -7}, Case{"13", 13}, Case{"0", 0},
                        Case{" 3", 3}, Case{"+5", 5}, Case{"-0", 0}, Case{"1.5", 1.5},
                        Case{" 0.", 0}, Case{"-2.", -2}, Case{"12abc", 12}, Case{"abc", 0},
                        Case{"-", 0}, Case{".", 0}, Case{"1000", 1000}, Case{"3997", 3997}}) {
    EXPECT_EQ(ValFromText(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(NumberText, IgnoresTheProcessLocale) {
  // A window toolkit sets the C locale from the environment; a comma locale must not turn
  // "1.5" into 1. Try whichever comma locale the machine has.
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const char* found = nullptr;
  for (const char* name : {"bg_BG.UTF-8", "bg_BG.utf8", "de_DE.UTF-8", "ru_RU.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      found = name;
      break;
    }
  }
  const double value = ValFromText("1.5");
  const std::string text = PlainText(-1234567);
  std::setlocale(LC_ALL, previous.c_str());
  if (found == nullptr) GTEST_SKIP() << "no comma locale installed";
  EXPECT_EQ(value, 1.5) << found;
  EXPECT_EQ(text, "-1234567") << found;
}

TEST(NumberText, WritesIntegers) {
  struct Case {
    long long value;
    const char* plain;
    const char* with_sign_position;
  };
  for (const Case& c : {Case{-7, "-7", "-7"}, Case{0, "0", " 0"}, Case{13, "13", " 13"},
                        Case{3, "3", " 3"}, Case{-2, "-2", "-2"},
                        Case{-2147483648LL, "-2147483648", "-2147483648"}}) {
    EXPECT_EQ(PlainText(c.value), c.plain);
    EXPECT_EQ(SignedText(c.value), c.with_sign_position);
  }
}

}  // namespace
}  // namespace drobi
