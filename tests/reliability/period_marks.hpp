#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/qt_lists.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/list_view.hpp"

namespace drobi::testing {

// The turn of the period that each row of the long number of p/q with n digits belongs to: 0 for
// the integer part, the digits before the period and every digit of a terminating fraction.
// Worked out from the remainders alone: digit k comes from remainder k - 1, and the period starts
// at the first remainder that comes back.
inline std::vector<int> ExpectedTurns(std::int64_t p, std::int64_t q, int n) {
  std::vector<int> turns(static_cast<std::size_t>(n) + 1, 0);
  std::vector<int> first_seen(static_cast<std::size_t>(q), -1);
  std::int64_t rest = std::llabs(p) % q;
  int step = 0;
  while (rest != 0 && first_seen[static_cast<std::size_t>(rest)] < 0) {
    first_seen[static_cast<std::size_t>(rest)] = step++;
    rest = rest * 10 % q;
  }
  if (rest == 0) return turns;
  const int before = first_seen[static_cast<std::size_t>(rest)];
  const int period = step - before;
  for (int row = before + 1; row <= n; ++row) {
    turns[static_cast<std::size_t>(row)] = (row - before - 1) / period + 1;
  }
  return turns;
}

// How the long-number list marks the period of the selected fraction, against ExpectedTurns.
inline std::vector<std::string> PeriodMarkDifferences(const ListView& dylgo, const MainForm& form) {
  const int r = form.Spis[0].ListIndex();
  if (form.Dylgo.ListCount() == 0 || r < 0) return {};
  const auto turns = ExpectedTurns(std::stoll(form.Spis[0].List(r)),
                                   std::stoll(form.Spis[1].List(r)), form.Dylgo.ListCount() - 1);
  for (int row = 0; row < RowCount(dylgo); ++row) {
    const int turn = RowData(dylgo, row, ListModel::kPeriodTurnRole).toInt();
    const bool starts = RowData(dylgo, row, ListModel::kPeriodStartRole).toBool();
    const int want = turns[static_cast<std::size_t>(row)];
    const bool want_start = want > 0 && (row == 1 || turns[std::size_t(row) - 1] != want);
    if (turn != want || starts != want_start) {
      return {"Dylgo row " + std::to_string(row) + " of " + form.Spis[0].List(r) + "/" +
              form.Spis[1].List(r) + " is marked turn " + std::to_string(turn) +
              (starts ? " (start)" : "") + ", want turn " + std::to_string(want) +
              (want_start ? " (start)" : "")};
    }
  }
  return {};
}

}  // namespace drobi::testing
