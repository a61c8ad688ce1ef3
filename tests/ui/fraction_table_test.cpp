#include "ui/fraction_table.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime_error.hpp"
#include "tests/support/lists.hpp"
#include "tests/support/scripted_random.hpp"

namespace drobi {
namespace {

using testing::PresetLists;
using testing::RowOf;
using testing::ScriptedRandom;

const float kJustBelowOne = std::nextafter(1.0f, 0.0f);

// Draws for one row: sign, numerator, multiplier, denominator.
struct RowCase {
  const char* name;
  const char* interval;
  float sign, numerator, multiplier, denominator;
  const char* p;
  const char* q;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class GenerateFractionsRow : public ::testing::TestWithParam<RowCase> {};

// Each row of the table comes from its own four draws; the other fifteen rows repeat the case so
// that a draw taken out of order shows up as a wrong row.
TEST_P(GenerateFractionsRow, MakesTheRowFromItsFourDraws) {
  const RowCase& c = GetParam();
  SpisArray spis = PresetLists();
  ListBox dylgo;
  spis[3].SetListIndex(RowOf(spis[3], c.interval));
  std::vector<float> draws;
  for (int row = 0; row < 16; ++row) {
    draws.insert(draws.end(), {c.sign, c.numerator, c.multiplier, c.denominator});
  }
  ScriptedRandom random(draws);
  GenerateFractions(spis, dylgo, random);
  ASSERT_EQ(spis[0].ListCount(), 16);
  ASSERT_EQ(spis[1].ListCount(), 16);
  for (int row = 0; row < 16; ++row) {
    EXPECT_EQ(spis[0].List(row), c.p) << "row " << row;
    EXPECT_EQ(spis[1].List(row), c.q) << "row " << row;
  }
  EXPECT_EQ(random.Drawn(), 64u);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, GenerateFractionsRow,
    ::testing::Values(
        // a = 0 → negative; 0.375·20 = 7.5; a = 0 → multiplier 1; 0.5·20 = 10 → q = 11.
        RowCase{"NegativeWithMultiplierOne", "20", 0.0f, 0.375f, 0.0f, 0.5f, "-7", "11"},
        // a = 1 → positive; a = 13 → 13 mod 5 = 3; 0.25·20 = 5 → q = 1 + 15.
        RowCase{"PositiveWithMultiplierThree", "20", 0.015f, 0.375f, 0.135f, 0.25f, "7", "16"},
        // a = 99 → 99 mod 5 = 4, positive; multiplier 4.
        RowCase{"MultiplierFour", "50", 0.99f, 0.5f, 0.99f, 0.5f, "25", "101"},
        // a = 45 → 0 → negative; a = 46 → 1 → multiplier 1; a = 47 → 2.
        RowCase{"SignFromFortyFive", "10", 0.455f, 0.95f, 0.465f, 0.95f, "-9", "10"},
        RowCase{"MultiplierTwo", "100", 0.515f, 0.125f, 0.475f, 0.5f, "12", "101"},
        // Zero is never written with a minus sign, and y = 0 makes q = 1.
        RowCase{"NegativeZeroIsZero", "20", 0.0f, 0.0f, 0.0f, 0.0f, "0", "1"},
        RowCase{"AllDrawsZeroLargest", "1000", 0.0f, 0.0f, 0.0f, 0.0f, "0", "1"},
        // The largest draw reaches N - 1 and 4·(N - 1) + 1, never N.
        RowCase{"LargestDrawTen", "10", kJustBelowOne, kJustBelowOne, kJustBelowOne, kJustBelowOne,
                "9", "37"},
        RowCase{"LargestDrawTwenty", "20", kJustBelowOne, kJustBelowOne, kJustBelowOne,
                kJustBelowOne, "19", "77"},
        RowCase{"LargestDrawThousand", "1000", kJustBelowOne, kJustBelowOne, kJustBelowOne,
                kJustBelowOne, "999", "3997"},
        RowCase{"LargestNegative", "1000", 0.0f, kJustBelowOne, 0.0f, kJustBelowOne, "-999",
                "1000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenerateFractions, TakesDrawsInOrderSignNumeratorMultiplierDenominator) {
  SpisArray spis = PresetLists();
  ListBox dylgo;
  spis[3].SetListIndex(RowOf(spis[3], "100"));
  // Row r: sign negative on even rows, numerator r, multiplier 1 + r mod 4, denominator base r.
  std::vector<float> draws;
  std::vector<std::pair<std::string, std::string>> expected;
  for (int row = 0; row < 16; ++row) {
    const int multiplier = 1 + row % 4;
    const float sign = row % 2 == 0 ? 0.005f : 0.015f;
    // multiplier m comes from a with a mod 5 = m; a = 5 + m keeps m = 1 away from a = 0's case.
    const float multiplier_draw = static_cast<float>(5 + multiplier) / 100.0f + 0.005f;
    draws.insert(draws.end(), {sign, (static_cast<float>(row) + 0.5f) / 100.0f, multiplier_draw,
                               (static_cast<float>(row) + 0.5f) / 100.0f});
    const int p = row % 2 == 0 ? -row : row;
    expected.emplace_back(std::to_string(p), std::to_string(1 + row * multiplier));
  }
  ScriptedRandom random(draws);
  GenerateFractions(spis, dylgo, random);
  for (int row = 0; row < 16; ++row) {
    EXPECT_EQ(spis[0].List(row), expected[static_cast<std::size_t>(row)].first) << row;
    EXPECT_EQ(spis[1].List(row), expected[static_cast<std::size_t>(row)].second) << row;
  }
}

TEST(GenerateFractions, ReplacesEverythingAndSelectsNothing) {
  SpisArray spis = PresetLists();
  ListBox dylgo;
  spis[3].SetListIndex(1);
  testing::SetTable(spis, {{1, 2}, {3, 4}});
  spis[0].SetListIndex(1);
  spis[2].AddItem("0.5000");
  spis[2].SetListIndex(0);
  dylgo.AddItem(" 0.");
  int clicks = 0;
  for (auto& list : spis) list.SetClickHandler([&clicks] { ++clicks; });
  dylgo.SetClickHandler([&clicks] { ++clicks; });

  testing::CountingRandom random;
  GenerateFractions(spis, dylgo, random);
  const std::vector<std::string> first = spis[0].Rows();
  GenerateFractions(spis, dylgo, random);

  EXPECT_EQ(random.Drawn(), 128);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(spis[0].ListCount(), 16);
  EXPECT_EQ(spis[1].ListCount(), 16);
  EXPECT_NE(spis[0].Rows(), first) << "a second call must draw a new table";
  EXPECT_EQ(spis[2].ListCount(), 0);
  EXPECT_EQ(dylgo.ListCount(), 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(spis[i].ListIndex(), -1) << i;
  EXPECT_EQ(spis[3].ListIndex(), 1);
  EXPECT_EQ(spis[3].ListCount(), 7);
}

// Over a fine grid of draws every interval keeps its numerators and denominators in range, and
// the negative numerators come one time in five.
TEST(GenerateFractions, StaysInsideTheInterval) {
  for (const char* interval : {"10", "20", "50", "100", "200", "500", "1000"}) {
    const long long n = std::stoll(interval);
    SpisArray spis = PresetLists();
    ListBox dylgo;
    spis[3].SetListIndex(RowOf(spis[3], interval));
    testing::CountingRandom random;
    long long min_p = n, max_p = -n, min_q = 1 << 20, max_q = 0;
    int negative = 0, drawn_rows = 0;
    for (int table = 0; table < 200; ++table) {
      GenerateFractions(spis, dylgo, random);
      for (int row = 0; row < 16; ++row) {
        const long long p = std::stoll(spis[0].List(row));
        const long long q = std::stoll(spis[1].List(row));
        EXPECT_NE(spis[0].List(row), "-0");
        min_p = std::min(min_p, p);
        max_p = std::max(max_p, p);
        min_q = std::min(min_q, q);
        max_q = std::max(max_q, q);
        negative += p < 0 ? 1 : 0;
        ++drawn_rows;
      }
    }
    EXPECT_GE(min_p, -(n - 1)) << interval;
    EXPECT_LE(max_p, n - 1) << interval;
    EXPECT_GE(min_q, 1) << interval;
    EXPECT_LE(max_q, 4 * (n - 1) + 1) << interval;
    EXPECT_NEAR(static_cast<double>(negative) / drawn_rows, 0.2, 0.03) << interval;
  }
}

TEST(GenerateFractions, WithoutAnIntervalTheRemainderByZeroRaises) {
  SpisArray spis = PresetLists();
  ListBox dylgo;
  testing::CountingRandom random;
  try {
    GenerateFractions(spis, dylgo, random);
    FAIL() << "no error raised";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), error::kDivisionByZero);
  }
}

TEST(ClearLists, EmptiesTheTableAndTheLongNumberOnly) {
  SpisArray spis = PresetLists();
  ListBox dylgo;
  spis[3].SetListIndex(2);
  spis[4].SetListIndex(3);
  spis[5].SetListIndex(4);
  testing::SetTable(spis, {{1, 2}});
  spis[2].AddItem("0.5");
  dylgo.AddItem(" 0.");
  spis[0].SetListIndex(0);
  int clicks = 0;
  for (auto& list : spis) list.SetClickHandler([&clicks] { ++clicks; });
  ClearLists(spis, dylgo);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(spis[i].ListCount(), 0) << i;
  EXPECT_EQ(dylgo.ListCount(), 0);
  EXPECT_EQ(spis[0].ListIndex(), -1);
  EXPECT_EQ(spis[3].ListIndex(), 2);
  EXPECT_EQ(spis[4].ListIndex(), 3);
  EXPECT_EQ(spis[5].ListIndex(), 4);
  EXPECT_EQ(spis[5].ListCount(), 9);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace drobi
