#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/qt_lists.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/list_view.hpp"

namespace drobi::testing {

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
