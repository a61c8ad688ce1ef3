#include "ui/main_form.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/form_driver.hpp"
#include "tests/support/scenario_name.hpp"
#include "tests/support/scenario_run.hpp"
#include "tests/support/scripted_random.hpp"
#include "tests/support/window_scenarios.hpp"

namespace drobi {
namespace {

using testing::CountingRandom;
using testing::ExactLongNumber;
using testing::ExactRounded;
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
  EXPECT_EQ(form.Dylgo.Rows(),
            ExactLongNumber(Number(spis[0].List(r)), Number(spis[1].List(r)), n));
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

// The presets and selections before Form_Load are a shared scenario; here the description.
TEST(MainFormStart, DescriptionBeforeLoad) {
  CountingRandom random;
  MainForm form(random);
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

TEST(MainFormStart, HandlersNestInTheOrderOfTheSelectionWrites) {
  CountingRandom random;
  MainForm form(random);
  std::vector<std::string> trace;
  form.SetTrace([&](std::string_view name) { trace.emplace_back(name); });
  form.Form_Load();
  const std::vector<std::string> nested_select = {
      "Spis_Click(0)", "SelectRow(0)",   "Spis_Click(1)",  "SelectRow(0)",  "Spis_Click(2)",
      "SelectRow(0)",  "ShowLongNumber", "ShowLongNumber", "ShowLongNumber"};
  std::vector<std::string> expected = {"Form_Load", "Spis_Click(3)", "GenerateFractions",
                                       "ShowDecimals", "SelectRow(0)"};
  expected.insert(expected.end(), nested_select.begin(), nested_select.end());
  expected.insert(expected.end(),
                  {"Spis_Click(4)", "ShowDecimals", "Spis_Click(2)", "SelectRow(0)",
                   "ShowLongNumber", "SelectRow(0)", "GenerateFractions", "ShowDecimals"});
  expected.insert(expected.end(), nested_select.begin(), nested_select.end());
  expected.insert(expected.end(), {"Spis_Click(5)", "ShowLongNumber"});
  EXPECT_EQ(trace, expected);

  trace.clear();
  form.Spis[1].UserClick(7);
  EXPECT_EQ(trace,
            (std::vector<std::string>{"Spis_Click(1)", "SelectRow(7)", "Spis_Click(0)",
                                      "SelectRow(7)", "Spis_Click(2)", "SelectRow(7)",
                                      "ShowLongNumber", "ShowLongNumber", "ShowLongNumber"}));
}

// A handler raised on the emptied table, as a list could raise it, finds no row: nothing happens.
TEST_F(MainFormTest, HandlersOnAnEmptyTableDoNothing) {
  Load();
  form_.Command1.Click();
  const long long drawn = random_.Drawn();
  form_.Spis_Click(1);
  form_.Spis_Click(2);
  EXPECT_EQ(form_.Spis[0].ListCount(), 0);
  EXPECT_EQ(form_.Dylgo.ListCount(), 0);
  EXPECT_EQ(random_.Drawn(), drawn);
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

TEST_F(MainFormTest, CommaStyleReachesTheQuotients) {
  CountingRandom random;
  MainForm form(random, NumberStyle{",", "\u00a0", 3, true, "-"});
  form.Form_Load();
  ExpectConsistent(form, "comma style");
  EXPECT_NE(form.Spis[2].List(0).find(','), std::string::npos);
}

// The scenarios that both windows run, on the form alone.
class FormScenario : public ::testing::TestWithParam<testing::Scenario> {};

TEST_P(FormScenario, Passes) {
  ScriptedRandom random(testing::StartDraws());
  MainForm form(random);
  std::vector<std::string> trace;
  form.SetTrace([&trace](std::string_view name) { trace.emplace_back(name); });
  testing::FormDriver driver(form);
  testing::ScenarioRun run(driver, form, random, trace, ".");
  GetParam().run(run);
}

std::vector<testing::Scenario> FormScenarios() {
  std::vector<testing::Scenario> scenarios;
  for (const testing::Scenario& scenario : testing::kWindowScenarios) {
    if (!scenario.window_only) scenarios.push_back(scenario);
  }
  return scenarios;
}

INSTANTIATE_TEST_SUITE_P(Form, FormScenario, ::testing::ValuesIn(FormScenarios()),
                         testing::ScenarioName());

}  // namespace
}  // namespace drobi
