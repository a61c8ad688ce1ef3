#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/lists.hpp"

namespace drobi::testing {

// Lists as the window presets them: interval, decimal digits and long-number digits.
inline SpisArray PresetLists() {
  SpisArray spis;
  for (const char* row : {"10", "20", "50", "100", "200", "500", "1000"}) spis[3].AddItem(row);
  for (const char* row : {"0", "1", "2", "3", "4", "5", "6", "7"}) spis[4].AddItem(row);
  for (const char* row : {"10", "20", "30", "40", "50", "60", "70", "80", "90"}) {
    spis[5].AddItem(row);
  }
  return spis;
}

inline void SetTable(SpisArray& spis, const std::vector<std::pair<long long, long long>>& table) {
  spis[0].Clear();
  spis[1].Clear();
  for (const auto& [p, q] : table) {
    spis[0].AddItem(std::to_string(p));
    spis[1].AddItem(std::to_string(q));
  }
}

// The index of a preset row by its text, so that tests read like "select 40 digits".
inline int RowOf(const ListBox& list, const std::string& text) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.List(i) == text) return i;
  }
  return -1;
}

}  // namespace drobi::testing
