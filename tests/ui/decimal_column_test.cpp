#include "ui/decimal_column.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/lists.hpp"

namespace drobi {
namespace {

using testing::ExactRounded;
using testing::PresetLists;
using testing::RowOf;
using testing::SetTable;
using Table = std::vector<std::pair<long long, long long>>;

const NumberStyle kPoint{};
const NumberStyle kComma{",", "\u00a0", 3, true, "-"};
const NumberStyle kBrackets{",", "\u00a0", 3, true, "-", 0};

Table Sixteen(Table rows) {
  while (rows.size() < 16) rows.emplace_back(1, 1);
  return rows;
}

TEST(ShowDecimals, WritesEachFractionWithTheSelectedDigits) {
  struct Case {
    const char* digits;
    const NumberStyle* style;
    std::vector<std::string> expected;
  };
  const Table table = Sixteen({{-3, 7}, {5, 1}, {0, 9}, {7, 2}, {-1, 3}});
  for (const Case& c :
       {Case{"4", &kPoint, {"-0.4286", "5.0000", "0.0000", "3.5000", "-0.3333"}},
        Case{"4", &kComma, {"-0,4286", "5,0000", "0,0000", "3,5000", "-0,3333"}},
        Case{"4", &kBrackets, {"(0,4286)", "5,0000", "0,0000", "3,5000", "(0,3333)"}},
        Case{"0", &kPoint, {"0", "5", "0", "4", "0"}},
        Case{"7", &kPoint, {"-0.4285714", "5.0000000", "0.0000000", "3.5000000", "-0.3333333"}}}) {
    SpisArray spis = PresetLists();
    SetTable(spis, table);
    spis[4].SetListIndex(RowOf(spis[4], c.digits));
    ShowDecimals(spis, *c.style);
    ASSERT_EQ(spis[2].ListCount(), 16);
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_EQ(spis[2].List(static_cast<int>(i)), c.expected[i])
          << c.digits << " digits, row " << i;
    }
  }
}

TEST(ShowDecimals, WithoutSelectedDigitCountRoundsToWholeNumbers) {
  SpisArray spis = PresetLists();
  SetTable(spis, Sixteen({{7, 2}, {-5, 3}}));
  ShowDecimals(spis, kPoint);
  EXPECT_EQ(spis[2].List(0), "4");
  EXPECT_EQ(spis[2].List(1), "-2");
}

TEST(ShowDecimals, EmptyTableLeavesTheColumnEmptyAndRaisesNothing) {
  SpisArray spis = PresetLists();
  spis[4].SetListIndex(4);
  spis[2].AddItem("stale");
  spis[2].SetListIndex(0);
  int clicks = 0;
  spis[2].SetClickHandler([&clicks] { ++clicks; });
  ShowDecimals(spis, kPoint);
  EXPECT_EQ(spis[2].ListCount(), 0);
  EXPECT_EQ(spis[2].ListIndex(), -1);
  EXPECT_EQ(clicks, 0);
}

TEST(ShowDecimals, SelectsTheNumeratorsRowAndRaisesTheClickOnlyThen) {
  for (int selected : {-1, 0, 9, 15}) {
    SpisArray spis = PresetLists();
    spis[4].SetListIndex(4);
    SetTable(spis, Sixteen({}));
    if (selected >= 0) spis[0].SetListIndex(selected);
    std::vector<int> seen;
    spis[2].SetClickHandler([&] { seen.push_back(spis[2].ListIndex()); });
    ShowDecimals(spis, kPoint);
    EXPECT_EQ(spis[2].ListIndex(), selected);
    EXPECT_EQ(seen, selected >= 0 ? std::vector<int>{selected} : std::vector<int>{}) << selected;
  }
}

// Row i of the column belongs to row i of the table, for every fraction of the small intervals
// and for a seeded sample of the large ones.
void ExpectColumnMatches(const std::vector<std::pair<long long, long long>>& fractions,
                         int& failures) {
  for (std::size_t start = 0; start < fractions.size(); start += 16) {
    Table table(
        fractions.begin() + static_cast<std::ptrdiff_t>(start),
        fractions.begin() + static_cast<std::ptrdiff_t>(std::min(start + 16, fractions.size())));
    table = Sixteen(table);
    SpisArray spis = PresetLists();
    SetTable(spis, table);
    for (int d = 0; d <= 7; ++d) {
      spis[4].SetListIndex(d);
      for (const NumberStyle* style : {&kPoint, &kComma}) {
        ShowDecimals(spis, *style);
        for (int i = 0; i < 16; ++i) {
          const auto [p, q] = table[static_cast<std::size_t>(i)];
          const std::string expected = ExactRounded(p, q, d, style->decimal_separator);
          if (spis[2].List(i) != expected && ++failures <= 10) {
            ADD_FAILURE() << p << "/" << q << " with " << d << " digits: " << spis[2].List(i)
                          << ", expected " << expected;
          }
        }
      }
    }
  }
}

TEST(ShowDecimals, MatchesExactRoundingForSmallIntervals) {
  int failures = 0;
  for (long long n : {10, 20, 50}) {
    std::vector<std::pair<long long, long long>> fractions;
    for (long long q = 1; q <= 4 * (n - 1) + 1; ++q) {
      for (long long p = -(n - 1); p <= n - 1; ++p) fractions.emplace_back(p, q);
    }
    ExpectColumnMatches(fractions, failures);
  }
  EXPECT_EQ(failures, 0);
}

TEST(ShowDecimals, MatchesExactRoundingForLargeDenominators) {
  std::mt19937 engine(3997);
  std::uniform_int_distribution<long long> numerator(-999, 999);
  std::uniform_int_distribution<long long> denominator(1, 3997);
  std::vector<std::pair<long long, long long>> fractions;
  for (int i = 0; i < 16 * 500; ++i) fractions.emplace_back(numerator(engine), denominator(engine));
  int failures = 0;
  ExpectColumnMatches(fractions, failures);
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace drobi
