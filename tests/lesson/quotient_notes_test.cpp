// A quotient row's hover text: the exact value as pupils write it and why it ends or repeats.

#include "ui/lesson/quotient_notes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/lists.hpp"

namespace drobi {
namespace {

// p/q from the remainders seen: the digits repeat from where the first repeated remainder was
// left. At most 60 digits.
std::string Exact(long long p, long long q, const NumberStyle& style) {
  std::string digits;
  std::vector<int> seen(static_cast<std::size_t>(q), -1);
  long long rest = std::llabs(p) % q;
  for (; rest != 0 && seen[static_cast<std::size_t>(rest)] < 0; rest = rest * 10 % q) {
    seen[static_cast<std::size_t>(rest)] = static_cast<int>(digits.size());
    digits += static_cast<char>('0' + rest * 10 / q);
  }
  const std::size_t pre =
      rest != 0 ? static_cast<std::size_t>(seen[static_cast<std::size_t>(rest)]) : digits.size();
  const std::string cut = digits.size() > 60 ? "…" : "";
  digits.resize(std::min<std::size_t>(digits.size(), 60));
  std::string text = (p < 0 ? style.negative_sign : "") + std::to_string(std::llabs(p) / q);
  if (!digits.empty()) text.append(style.decimal_separator).append(digits, 0, pre);
  if (rest == 0) return text + cut;
  return text.append("(").append(digits, pre).append(cut).append(")");
}

TEST(QuotientNotes, ExactValueAndWhyItEndsOrRepeats) {
  const NumberStyle point{};
  const NumberStyle comma{",", "\u00a0", 3, true, "-"};
  const NumberStyle minus{",", "\u00a0", 3, true, "\u2212"};
  const std::string ends = "крайна десетична дроб, ";
  const std::string repeats = "безкрайна периодична десетична дроб, ";
  struct Case {
    long long p, q;
    const NumberStyle& style;
    std::string value;  // as the issue writes it; empty where only the remainders say it
    std::string reason;
  };
  for (const Case& c : std::vector<Case>{
           {-3, 7, comma, "-0,(428571)", "7 = 7: " + repeats + "период: 6 цифри"},
           {-1, 6, comma, "-0,1(6)",
            "6 = 2·3: " + repeats + "предпериод: 1 цифра, период: 1 цифра"},
           {1, 8, comma, "0,125", "8 = 2³: " + ends + "3 цифри след десетичния знак"},
           {22, 7, comma, "3,(142857)", "7 = 7: " + repeats + "период: 6 цифри"},
           {-7, 3, comma, "-2,(3)", "3 = 3: " + repeats + "период: 1 цифра"},
           {12, 15, comma, "0,8", "12/15 = 4/5; 5 = 5: " + ends + "1 цифра след десетичния знак"},
           {0, 9, comma, "0", "цяло число: 0 се дели на 9"},
           {13, 1, comma, "13", "цяло число: 13 се дели на 1"},
           {1, 997, comma, "0,(001003009027081243731193580742226680040120361083249749247743…)",
            "997 = 997: " + repeats + "период: 166 цифри"},
           {1, 1024, point, "", "1024 = 2¹⁰: " + ends + "10 цифри след десетичния знак"},
           {5, 12, point, "", "12 = 2²·3: " + repeats + "предпериод: 2 цифри, период: 1 цифра"},
           {999, 1001, point, "", "1001 = 7·11·13: " + repeats + "период: 6 цифри"},
           {1, 81, point, "", "81 = 3⁴: " + repeats + "период: 9 цифри"},
           {1, 1988, point, "",
            "1988 = 2²·7·71: " + repeats + "предпериод: 2 цифри, период: 210 цифри"},
           {-20, 3968, point, "",
            "-20/3968 = -5/992; 992 = 2⁵·31: " + repeats + "предпериод: 5 цифри, период: 15 цифри"},
           {-12, 4, point, "", "цяло число: -12 се дели на 4"},
           {-7, 2, minus, "\u22123,5", "2 = 2: " + ends + "1 цифра след десетичния знак"},
       }) {
    const std::string fraction = std::to_string(c.p) + "/" + std::to_string(c.q);
    if (!c.value.empty()) {
      EXPECT_EQ(Exact(c.p, c.q, c.style), c.value) << fraction << ": the oracle itself";
    }
    SpisArray spis;
    testing::SetTable(spis, {{c.p, c.q}});
    spis[kQuotients].AddItem("0");
    EXPECT_EQ(QuotientNotes(spis, c.style).HoverText(0),
              "Десетична дроб\n" + fraction + " = " + Exact(c.p, c.q, c.style) + "\n" + c.reason);
  }
  SpisArray empty;  // no table: no text of its own
  EXPECT_EQ(QuotientNotes(empty, point).HoverText(0), "");
  EXPECT_EQ(QuotientNotes(empty, point).SpokenNote(0), "");
}

// What a screen reader says of a quotient row: the same in words, with no symbol it would name.
TEST(QuotientNotes, SpokenInWords) {
  const std::string repeats = "безкрайна периодична десетична дроб, ";
  for (const auto& [p, q, spoken] : std::vector<std::tuple<long long, long long, std::string>>{
           {1, 3, "1 върху 3 е 0 цяло и 3 в период; 3 е 3, " + repeats + "период 1 цифра"},
           {-1, 6,
            "-1 върху 6 е минус 0 цяло и 1, и 6 в период; 6 е 2 по 3, " + repeats +
                "предпериод 1 цифра, период 1 цифра"},
           {12, 16,
            "12 върху 16 е 0 цяло и 7 5; 12 върху 16 е 3 върху 4; 4 е 2 на степен 2, "
            "крайна десетична дроб, 2 цифри след десетичния знак"},
           {13, 1, "13 върху 1 е 13; цяло число, 13 се дели на 1"},
           {1, 997,
            "1 върху 997 е 0 цяло и 0 0 1 0 0 3 0 0 9 0 2 7 0 8 1 2 4 3 7 3 1 1 9 3 5 8 0 7 "
            "4 2 2 2 6 6 8 0 0 4 0 1 2 0 3 6 1 0 8 3 2 4 9 7 4 9 2 4 7 7 4 3 и още 106 "
            "цифри в период; 997 е 997, " +
                repeats + "период 166 цифри"},
       }) {
    SpisArray spis;
    testing::SetTable(spis, {{p, q}});
    spis[kQuotients].AddItem("0");
    EXPECT_EQ(QuotientNotes(spis, {",", " ", 3, true, "-"}).SpokenNote(0), spoken) << p << "/" << q;
  }
}

}  // namespace
}  // namespace drobi
