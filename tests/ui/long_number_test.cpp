#include "ui/long_number.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/runtime_error.hpp"
#include "tests/support/exact.hpp"
#include "tests/support/lists.hpp"

namespace drobi {
namespace {

using testing::ExactLongNumber;
using testing::PresetLists;
using testing::RowOf;
using testing::SetTable;

// One fraction in row 0, selected, with the given digit count.
SpisArray OneFraction(long long p, long long q, const char* digits) {
  SpisArray spis = PresetLists();
  SetTable(spis, {{p, q}});
  spis[0].SetListIndex(0);
  spis[1].SetListIndex(0);
  if (digits != nullptr) spis[5].SetListIndex(RowOf(spis[5], digits));
  return spis;
}

std::string Joined(const ListBox& list) {
  std::string out;
  for (const auto& row : list.Rows()) out += row + "|";
  return out;
}

TEST(ShowLongNumber, Examples) {
  struct Case {
    long long p, q;
    const char* expected;
  };
  for (const Case& c :
       {Case{1, 7, " 0.|1|4|2|8|5|7|1|4|2|8|"}, Case{1, 8, " 0.|1|2|5|0|0|0|0|0|0|0|"},
        Case{-7, 3, "-2.|3|3|3|3|3|3|3|3|3|3|"}, Case{-3, 7, " 0.|4|2|8|5|7|1|4|2|8|5|"},
        Case{0, 9, " 0.|0|0|0|0|0|0|0|0|0|0|"}, Case{13, 1, " 13.|0|0|0|0|0|0|0|0|0|0|"},
        Case{-999, 1, "-999.|0|0|0|0|0|0|0|0|0|0|"}, Case{999, 3997, " 0.|2|4|9|9|3|7|4|5|3|0|"}}) {
    SpisArray spis = OneFraction(c.p, c.q, "10");
    ListBox dylgo;
    ShowLongNumber(spis, dylgo);
    EXPECT_EQ(Joined(dylgo), c.expected) << c.p << "/" << c.q;
    EXPECT_EQ(dylgo.ListIndex(), -1);
  }
}

// Every fraction of the 10, 20 and 50 intervals, every digit count, against exact long division.
class ShowLongNumberIntervals : public ::testing::TestWithParam<int> {};

TEST_P(ShowLongNumberIntervals, MatchesExactLongDivision) {
  const long long n = GetParam();
  SpisArray spis = PresetLists();
  ListBox dylgo;
  int failures = 0;
  for (long long q = 1; q <= 4 * (n - 1) + 1; ++q) {
    std::vector<std::pair<long long, long long>> table;
    for (long long p = -(n - 1); p <= n - 1; ++p) table.emplace_back(p, q);
    SetTable(spis, table);
    for (int row = 0; row < spis[0].ListCount(); ++row) {
      spis[0].SetListIndex(row);
      for (int count = 0; count < spis[5].ListCount(); ++count) {
        spis[5].SetListIndex(count);
        ShowLongNumber(spis, dylgo);
        const long long p = table[static_cast<std::size_t>(row)].first;
        const auto expected = ExactLongNumber(p, q, 10 * (count + 1));
        if (dylgo.Rows() != expected && ++failures <= 10) {
          ADD_FAILURE() << p << "/" << q << " with " << 10 * (count + 1)
                        << " digits: " << Joined(dylgo);
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

INSTANTIATE_TEST_SUITE_P(Intervals, ShowLongNumberIntervals, ::testing::Values(10, 20, 50),
                         [](const auto& info) {
                           return std::string("N").append(std::to_string(info.param));
                         });

TEST(ShowLongNumber, LargestDenominatorsNinetyDigits) {
  SpisArray spis = PresetLists();
  spis[5].SetListIndex(8);
  ListBox dylgo;
  for (long long q = 3900; q <= 3997; ++q) {
    for (long long p : {-999LL, -1LL, 1LL, 500LL, 999LL}) {
      SetTable(spis, {{p, q}});
      spis[0].SetListIndex(0);
      ShowLongNumber(spis, dylgo);
      ASSERT_EQ(dylgo.Rows(), ExactLongNumber(p, q, 90)) << p << "/" << q;
    }
  }
}

TEST(ShowLongNumber, WithoutDigitCountShowsOnlyTheIntegerPart) {
  SpisArray spis = OneFraction(-7, 3, nullptr);
  ListBox dylgo;
  ShowLongNumber(spis, dylgo);
  EXPECT_EQ(Joined(dylgo), "-2.|");
}

TEST(ShowLongNumber, EmptyTableLeavesTheLongNumberAlone) {
  SpisArray spis = PresetLists();
  spis[5].SetListIndex(0);
  ListBox dylgo;
  dylgo.AddItem(" 1.");
  dylgo.AddItem("5");
  ShowLongNumber(spis, dylgo);
  EXPECT_EQ(Joined(dylgo), " 1.|5|");
}

TEST(ShowLongNumber, SameRowTwiceGivesTheSameRows) {
  SpisArray spis = OneFraction(22, 7, "90");
  ListBox dylgo;
  ShowLongNumber(spis, dylgo);
  const auto first = dylgo.Rows();
  ShowLongNumber(spis, dylgo);
  EXPECT_EQ(dylgo.Rows(), first);
  EXPECT_EQ(dylgo.ListCount(), 91);
}

TEST(ShowLongNumber, TableWithoutSelectedRowRaisesDivisionByZero) {
  SpisArray spis = PresetLists();
  SetTable(spis, {{1, 7}});
  spis[5].SetListIndex(0);
  ListBox dylgo;
  try {
    ShowLongNumber(spis, dylgo);
    FAIL() << "no error raised";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), error::kDivisionByZero);
  }
}

}  // namespace
}  // namespace drobi
