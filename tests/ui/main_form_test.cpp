#include "ui/main_form.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/lists.hpp"
#include "tests/support/scripted_random.hpp"

namespace drobi {
namespace {

using testing::CountingRandom;
using testing::ExactLongNumber;
using testing::ExactRounded;
using testing::RowOf;
using testing::ScriptedRandom;

long long Number(const std::string& text) { return text.empty() ? 0 : std::stoll(text); }

// The state every handler must leave behind, checked against exact integer arithmetic: either
// no table at all, or sixteen fractions with one common selected row, their rounded values and
// the long number of the selected one.
void ExpectConsistent(const MainForm& form, const std::string& when) {
  SCOPED_TRACE(when);
  const auto& spis = form.Spis;
  if (spis[0].ListCount() == 0) {
    EXPECT_EQ(spis[1].ListCount(), 0);
    EXPECT_EQ(spis[2].ListCount(), 0);
    EXPECT_EQ(form.Dylgo.ListCount(), 0);
    return;
  }
  ASSERT_EQ(spis[0].ListCount(), 16);
  ASSERT_EQ(spis[1].ListCount(), 16);
  ASSERT_EQ(spis[2].ListCount(), 16);
  const int r = spis[0].ListIndex();
  ASSERT_GE(r, 0);
  EXPECT_EQ(spis[1].ListIndex(), r);
  EXPECT_EQ(spis[2].ListIndex(), r);
  const int d = static_cast<int>(Number(spis[4].List(spis[4].ListIndex())));
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(spis[2].List(i), ExactRounded(Number(spis[0].List(i)), Number(spis[1].List(i)), d,
                                            form.Style().decimal_separator))
        << "row " << i;
  }
  const int n = static_cast<int>(Number(spis[5].List(spis[5].ListIndex())));
  EXPECT_EQ(form.Dylgo.Rows(), ExactLongNumber(Number(spis[0].List(r)), Number(spis[1].List(r)), n));
}

// Draws for one table of interval 20 whose row i is (i + 1) / (first_q + i): positive sign,
// numerator i + 1, multiplier 1, denominator base first_q - 1 + i.
std::vector<float> TableDraws(int first_q) {
  std::vector<float> draws;
  for (int row = 0; row < 16; ++row) {
    draws.insert(draws.end(), {0.015f, (static_cast<float>(row + 1) + 0.5f) / 20.0f, 0.065f,
                               (static_cast<float>(first_q - 1 + row) + 0.5f) / 20.0f});
  }
  return draws;
}

class MainFormTest : public ::testing::Test {
 protected:
  CountingRandom random_;
  MainForm form_{random_};

  void Load() {
    form_.Form_Load();
    ExpectConsistent(form_, "after Form_Load");
  }
};

TEST(MainFormStart, PresetsAndDescriptionBeforeLoad) {
  CountingRandom random;
  MainForm form(random);
  EXPECT_EQ(form.Spis[3].Rows(),
            (std::vector<std::string>{"10", "20", "50", "100", "200", "500", "1000"}));
  EXPECT_EQ(form.Spis[4].Rows(),
            (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(form.Spis[5].Rows(), (std::vector<std::string>{"10", "20", "30", "40", "50", "60",
                                                           "70", "80", "90"}));
  for (const auto& list : form.Spis) EXPECT_EQ(list.ListIndex(), -1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form.Spis[i].ListCount(), 0);
  EXPECT_EQ(form.Dylgo.ListCount(), 0);
  EXPECT_EQ(form.Text1[1].Text(), "");
  EXPECT_EQ(random.Drawn(), 0);

  std::vector<std::string> lines;
  const std::string& text = form.Text1[0].Text();
  ASSERT_FALSE(text.empty());
  ASSERT_EQ(text.back(), '\n');
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[13], "1) числителят се умножава по 10;");
  EXPECT_EQ(lines[14], "2) числителят дели на знаменателя;");
  EXPECT_EQ(lines[15], "3) извежда се на печат получената цифра");
  EXPECT_EQ(lines[19], "0 - 7 като десетична дроб;");
  EXPECT_EQ(lines[20], "10 - 90 като дълго число.");
  for (const auto& line : lines) EXPECT_FALSE(line.empty() || line.back() == '\r') << line;
}

TEST(MainFormStart, LoadOpensOnTheSecondTable) {
  std::vector<float> draws = TableDraws(1);
  const std::vector<float> second = TableDraws(5);
  draws.insert(draws.end(), second.begin(), second.end());
  ScriptedRandom random(draws);
  MainForm form(random);
  form.Form_Load();

  EXPECT_EQ(random.Randomized(), 1);
  EXPECT_EQ(random.Drawn(), 128u);
  EXPECT_EQ(form.Spis[3].List(form.Spis[3].ListIndex()), "20");
  EXPECT_EQ(form.Spis[4].List(form.Spis[4].ListIndex()), "4");
  EXPECT_EQ(form.Spis[5].List(form.Spis[5].ListIndex()), "40");
  for (int row = 0; row < 16; ++row) {
    EXPECT_EQ(form.Spis[0].List(row), std::to_string(row + 1));
    EXPECT_EQ(form.Spis[1].List(row), std::to_string(row + 5));
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form.Spis[i].ListIndex(), 0) << i;
  EXPECT_EQ(form.Spis[2].List(0), "0.2000");
  EXPECT_EQ(form.Dylgo.ListCount(), 41);
  EXPECT_EQ(form.Dylgo.Rows(), ExactLongNumber(1, 5, 40));
  ExpectConsistent(form, "after Form_Load");
}

TEST(MainFormStart, HandlersNestInTheOrderOfTheSelectionWrites) {
  CountingRandom random;
  MainForm form(random);
  std::vector<std::string> trace;
  form.SetTrace([&](std::string_view name) { trace.emplace_back(name); });
  form.Form_Load();
  const std::vector<std::string> nested_select = {
      "Spis_Click(0)", "SelectRow(0)", "Spis_Click(1)", "SelectRow(0)", "Spis_Click(2)",
      "SelectRow(0)",  "ShowLongNumber", "ShowLongNumber", "ShowLongNumber"};
  std::vector<std::string> expected = {"Form_Load", "Spis_Click(3)", "GenerateFractions",
                                       "ShowDecimals", "SelectRow(0)"};
  expected.insert(expected.end(), nested_select.begin(), nested_select.end());
  expected.insert(expected.end(), {"Spis_Click(4)", "ShowDecimals", "Spis_Click(2)",
                                   "SelectRow(0)", "ShowLongNumber", "SelectRow(0)",
                                   "GenerateFractions", "ShowDecimals"});
  expected.insert(expected.end(), nested_select.begin(), nested_select.end());
  expected.insert(expected.end(), {"Spis_Click(5)", "ShowLongNumber"});
  EXPECT_EQ(trace, expected);

  trace.clear();
  form.Spis[1].UserClick(7);
  EXPECT_EQ(trace, (std::vector<std::string>{"Spis_Click(1)", "SelectRow(7)", "Spis_Click(0)",
                                             "SelectRow(7)", "Spis_Click(2)", "SelectRow(7)",
                                             "ShowLongNumber", "ShowLongNumber",
                                             "ShowLongNumber"}));
}

class FractionListClick : public MainFormTest, public ::testing::WithParamInterface<int> {};

TEST_P(FractionListClick, SelectsTheRowInAllThreeLists) {
  Load();
  const long long drawn = random_.Drawn();
  form_.Spis[GetParam()].UserClick(7);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form_.Spis[i].ListIndex(), 7) << i;
  EXPECT_EQ(form_.Dylgo.ListCount(), 41);
  EXPECT_EQ(form_.Dylgo.Rows(), ExactLongNumber(Number(form_.Spis[0].List(7)),
                                                Number(form_.Spis[1].List(7)), 40));
  EXPECT_EQ(random_.Drawn(), drawn) << "selecting a row draws nothing";
  ExpectConsistent(form_, "after the click");
}

INSTANTIATE_TEST_SUITE_P(Lists, FractionListClick, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return "Spis" + std::to_string(info.param); });

TEST_F(MainFormTest, NewDecimalCountMovesTheSelectionBackToRowZero) {
  Load();
  form_.Spis[0].UserClick(9);
  const auto table = form_.Spis[0].Rows();
  form_.Spis[4].UserClick(RowOf(form_.Spis[4], "7"));
  EXPECT_EQ(form_.Spis[0].Rows(), table);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form_.Spis[i].ListIndex(), 0) << i;
  ExpectConsistent(form_, "after choosing 7 digits");
  EXPECT_EQ(form_.Spis[2].List(0).size(), form_.Spis[2].List(0).find('.') + 8);
}

TEST_F(MainFormTest, NewLongCountKeepsTheRow) {
  Load();
  form_.Spis[2].UserClick(9);
  const auto table = form_.Spis[0].Rows();
  form_.Spis[5].UserClick(RowOf(form_.Spis[5], "90"));
  EXPECT_EQ(form_.Spis[0].Rows(), table);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form_.Spis[i].ListIndex(), 9) << i;
  EXPECT_EQ(form_.Dylgo.ListCount(), 91);
  ExpectConsistent(form_, "after choosing 90 digits");
}

TEST_F(MainFormTest, ClearEmptiesTheTableUntilAnIntervalOrDigitCountIsChosen) {
  Load();
  form_.Command1.Click();
  ExpectConsistent(form_, "after Чисти");
  EXPECT_EQ(form_.Spis[0].ListCount(), 0);
  EXPECT_EQ(form_.Dylgo.ListCount(), 0);

  const long long drawn = random_.Drawn();
  form_.Spis[5].UserClick(RowOf(form_.Spis[5], "20"));
  form_.Spis[0].UserClick(0);
  form_.Spis_Click(1);  // as if raised on the empty list
  EXPECT_EQ(form_.Spis[0].ListCount(), 0);
  EXPECT_EQ(form_.Dylgo.ListCount(), 0);
  EXPECT_EQ(random_.Drawn(), drawn);

  form_.Spis[4].UserClick(RowOf(form_.Spis[4], "2"));
  EXPECT_EQ(random_.Drawn(), drawn + 64);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form_.Spis[i].ListIndex(), 0) << i;
  EXPECT_EQ(form_.Dylgo.ListCount(), 21);
  ExpectConsistent(form_, "after choosing 2 digits on an empty table");

  form_.Command1.Click();
  form_.Spis[3].UserClick(RowOf(form_.Spis[3], "1000"));
  EXPECT_EQ(random_.Drawn(), drawn + 128);
  ExpectConsistent(form_, "after choosing 1000 on an empty table");
}

TEST_F(MainFormTest, ClickingTheSelectedIntervalAgainDrawsANewTable) {
  Load();
  form_.Spis[1].UserClick(5);
  const auto table = form_.Spis[0].Rows();
  const long long drawn = random_.Drawn();
  form_.Spis[3].UserClick(form_.Spis[3].ListIndex());
  EXPECT_EQ(random_.Drawn(), drawn + 64);
  EXPECT_NE(form_.Spis[0].Rows(), table);
  EXPECT_EQ(form_.Spis[0].ListIndex(), 0);
  ExpectConsistent(form_, "after clicking the interval again");
}

TEST_F(MainFormTest, EveryIntervalKeepsItsFractionsInRange) {
  Load();
  for (int row = 0; row < form_.Spis[3].ListCount(); ++row) {
    form_.Spis[3].UserClick(row);
    const long long n = Number(form_.Spis[3].List(row));
    for (int i = 0; i < 16; ++i) {
      const long long p = Number(form_.Spis[0].List(i));
      const long long q = Number(form_.Spis[1].List(i));
      EXPECT_LE(std::llabs(p), n - 1);
      EXPECT_GE(q, 1);
      EXPECT_LE(q, 4 * (n - 1) + 1);
    }
    ExpectConsistent(form_, "interval " + form_.Spis[3].List(row));
  }
}

TEST_F(MainFormTest, GreenSquareCopiesTheSecondTextIntoTheFirst) {
  Load();
  form_.Label1.Click();
  EXPECT_EQ(form_.Text1[0].Text(), "") << "the second field starts empty";
  form_.Text1[1].SetText("Защо 1/7 се повтаря?\n");
  form_.Label1.Click();
  EXPECT_EQ(form_.Text1[0].Text(), "Защо 1/7 се повтаря?\n");
  EXPECT_EQ(form_.Text1[1].Text(), "Защо 1/7 се повтаря?\n");
  ExpectConsistent(form_, "after the green square");
}

TEST_F(MainFormTest, CommaStyleReachesTheQuotients) {
  CountingRandom random;
  MainForm form(random, NumberStyle{",", "\u00a0", 3, true, "-"});
  form.Form_Load();
  ExpectConsistent(form, "comma style");
  EXPECT_NE(form.Spis[2].List(0).find(','), std::string::npos);
}

}  // namespace
}  // namespace drobi
