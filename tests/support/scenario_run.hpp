#pragma once

// What a shared scenario works with: a window's driver, the form behind the window, its scripted
// random source and the trace of its handlers, and checks of what the window shows against exact
// integer arithmetic.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/scripted_random.hpp"
#include "tests/support/user_driver.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

class ScenarioRun {
 public:
  // `trace` receives the form's handler names; `decimal` is the separator the quotients must show.
  ScenarioRun(UserDriver& driver, MainForm& form, ScriptedRandom& random,
              std::vector<std::string>& trace, std::string decimal)
      : driver(driver), form(form), random(random), trace(trace), decimal(std::move(decimal)) {}

  void Load() {
    driver.Load(form);
    trace.clear();
  }

  int Count(std::string_view name) const {
    return static_cast<int>(std::count(trace.begin(), trace.end(), name));
  }

  // The window shows `table` with quotients of `digits` places, row `row` selected in the three
  // fraction lists and that row's long number to `long_digits` digits.
  void ExpectShows(const std::vector<Fraction>& table, int digits, int row, int long_digits) const {
    SCOPED_TRACE("row " + std::to_string(row));
    std::vector<std::string> numerators, denominators, quotients;
    for (const auto& [p, q] : table) {
      numerators.push_back(std::to_string(p));
      denominators.push_back(std::to_string(q));
      quotients.push_back(ExactRounded(p, q, digits, decimal));
    }
    EXPECT_EQ(driver.Rows("Spis(0)"), numerators);
    EXPECT_EQ(driver.Rows("Spis(1)"), denominators);
    EXPECT_EQ(driver.Rows("Spis(2)"), quotients);
    for (const char* list : {"Spis(0)", "Spis(1)", "Spis(2)"}) {
      EXPECT_EQ(driver.Selected(list), row) << list;
    }
    const auto& [p, q] = table.at(static_cast<std::size_t>(row));
    EXPECT_EQ(driver.Rows("Dylgo"), ExactLongNumber(p, q, long_digits));
  }

  // The view of the written division shows fraction `row` of `table` to `long_digits` digits and
  // its value rounded to `digits` places last.
  void ExpectDivision(const std::vector<Fraction>& table, int row, int long_digits,
                      int digits) const {
    SCOPED_TRACE("the written division of row " + std::to_string(row));
    const auto& [p, q] = table.at(static_cast<std::size_t>(row));
    const std::vector<std::string> lines = driver.DivisionLines();
    const std::vector<std::string> working = ExactWorking(p, q, long_digits);
    ASSERT_GE(lines.size(), working.size() + 3);
    const std::string head =
        (p < 0 ? "-" : " ") + std::to_string(std::llabs(p)) + " : " + std::to_string(q) + " = ";
    EXPECT_EQ(lines[0].substr(0, head.size()), head);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 1 + working.size()),
              working);
    EXPECT_TRUE(lines.back().ends_with(" " + ExactRounded(p, q, digits, decimal) + "."))
        << lines.back();
  }

  // The text of the selected row of a list; "" for none.
  std::string SelectedText(const std::string& list) const {
    const int row = driver.Selected(list);
    const std::vector<std::string> rows = driver.Rows(list);
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(row)]
                                                           : "";
  }

  UserDriver& driver;
  MainForm& form;
  ScriptedRandom& random;
  std::vector<std::string>& trace;
  const std::string decimal;
};

}  // namespace drobi::testing
