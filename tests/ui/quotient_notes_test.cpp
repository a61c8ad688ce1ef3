// The hover text of a quotient row: the exact value as pupils write it and why it ends or repeats.

#include "ui/quotient_notes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/lists.hpp"

namespace drobi {
namespace {

const NumberStyle kPoint{};
const NumberStyle kComma{",", "\u00a0", 3, true, "-"};
const NumberStyle kMinusSign{",", "\u00a0", 3, true, "\u2212"};

// p/q by the remainders seen: the digits repeat from where the first repeated remainder was left.
std::string ExactValue(long long p, long long q, const NumberStyle& style) {
  const long long a = std::llabs(p);
  std::string text = (p < 0 ? style.negative_sign : "") + std::to_string(a / q);
  std::vector<int> seen(static_cast<std::size_t>(q), -1);
  std::string digits;
  long long rest = a % q;
  for (; rest != 0 && seen[static_cast<std::size_t>(rest)] < 0; rest = rest * 10 % q) {
    seen[static_cast<std::size_t>(rest)] = static_cast<int>(digits.size());
    digits += static_cast<char>('0' + rest * 10 / q);
  }
  const std::size_t pre =
      rest != 0 ? static_cast<std::size_t>(seen[static_cast<std::size_t>(rest)]) : digits.size();
  const bool cut = digits.size() > 60;
  digits.resize(std::min<std::size_t>(digits.size(), 60));
  if (digits.empty()) return text;
  text += style.decimal_separator + digits.substr(0, pre);
  if (rest == 0) return cut ? text + "…" : text;
  return text + "(" + digits.substr(pre) + (cut ? "…)" : ")");
}

class QuotientNotesTest : public ::testing::Test {
 protected:
  // Row 0 of the table holds p/q; the quotient list has its one row.
  std::string Hover(long long p, long long q, const NumberStyle& style) {
    style_ = style;
    testing::SetTable(spis_, {{p, q}});
    spis_[kQuotients].Clear();
    spis_[kQuotients].AddItem("0");
    return notes_.HoverText(0);
  }

  SpisArray spis_ = testing::PresetLists();
  NumberStyle style_;
  QuotientNotes notes_{spis_, style_};
};

TEST_F(QuotientNotesTest, ExactValueAndWhyItEndsOrRepeats) {
  struct Case {
    long long p, q;
    const NumberStyle& style;
    std::string value;  // as the issue writes it; empty where only the remainders say it
    std::string reason;
  };
  const std::string kPeriodic = "безкрайна периодична десетична дроб, ";
  const std::vector<Case> cases{
      {-3, 7, kComma, "-0,(428571)", "7 = 7: " + kPeriodic + "период: 6 цифри"},
      {-1, 6, kComma, "-0,1(6)", "6 = 2·3: " + kPeriodic + "предпериод: 1 цифра, период: 1 цифра"},
      {1, 8, kComma, "0,125", "8 = 2³: крайна десетична дроб, 3 цифри след десетичния знак"},
      {22, 7, kComma, "3,(142857)", "7 = 7: " + kPeriodic + "период: 6 цифри"},
      {-7, 3, kComma, "-2,(3)", "3 = 3: " + kPeriodic + "период: 1 цифра"},
      {12, 15, kComma, "0,8",
       "12/15 = 4/5; 5 = 5: крайна десетична дроб, 1 цифра след десетичния знак"},
      {0, 9, kComma, "0", "цяло число: 0 се дели на 9"},
      {13, 1, kComma, "13", "цяло число: 13 се дели на 1"},
      {1, 997, kComma, "0,(001003009027081243731193580742226680040120361083249749247743…)",
       "997 = 997: " + kPeriodic + "период: 166 цифри"},
      {1, 1024, kPoint, "0.0009765625",
       "1024 = 2¹⁰: крайна десетична дроб, 10 цифри след десетичния знак"},
      {5, 12, kPoint, "0.41(6)",
       "12 = 2²·3: " + kPeriodic + "предпериод: 2 цифри, период: 1 цифра"},
      {999, 1001, kPoint, "", "1001 = 7·11·13: " + kPeriodic + "период: 6 цифри"},
      {1, 81, kPoint, "0.(012345679)", "81 = 3⁴: " + kPeriodic + "период: 9 цифри"},
      {-20, 3968, kPoint, "",
       "-20/3968 = -5/992; 992 = 2⁵·31: " + kPeriodic + "предпериод: 5 цифри, период: 15 цифри"},
      {1, 1988, kPoint, "",
       "1988 = 2²·7·71: " + kPeriodic + "предпериод: 2 цифри, период: 210 цифри"},
      {-12, 4, kPoint, "-3", "цяло число: -12 се дели на 4"},
      {-7, 2, kMinusSign, "\u22123,5",
       "2 = 2: крайна десетична дроб, 1 цифра след десетичния знак"},
  };
  for (const Case& c : cases) {
    const std::string fraction = std::to_string(c.p) + "/" + std::to_string(c.q);
    const std::string value = ExactValue(c.p, c.q, c.style);
    if (!c.value.empty()) {
      EXPECT_EQ(value, c.value) << fraction << ": the oracle itself";
    }
    EXPECT_EQ(Hover(c.p, c.q, c.style),
              "Десетична дроб\n" + fraction + " = " + value + "\n" + c.reason);
  }
}

// Every denominator the table can hold, against the remainders seen.
TEST_F(QuotientNotesTest, EveryDenominatorAgreesWithTheRemainders) {
  int failures = 0;
  for (long long q = 1; q <= 3997; ++q) {
    for (const long long p : {1LL, -999LL, q - 1}) {
      const std::string hover = Hover(p, q, kComma);
      const std::string line =
          std::to_string(p) + "/" + std::to_string(q) + " = " + ExactValue(p, q, kComma) + "\n";
      if (hover.find("\n" + line) == std::string::npos && ++failures <= 5) {
        ADD_FAILURE() << hover;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST_F(QuotientNotesTest, NoTextWithoutTheFractionBeside) {
  EXPECT_NE(Hover(1, 3, kPoint), "");
  spis_[kQuotients].Clear();  // the quotients being refilled
  EXPECT_EQ(notes_.HoverText(0), "");
  spis_[kNumerators].Clear();
  spis_[kDenominators].Clear();
  EXPECT_EQ(notes_.HoverText(0), "");
  EXPECT_EQ(notes_.HoverText(-1), "");
}

}  // namespace
}  // namespace drobi
