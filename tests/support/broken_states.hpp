#pragma once

// States that no user action reaches, each with the user's actions that trip over it: both
// windows' error path tests start the real program in each state, by its name, and must see the
// run-time error reported and the program end with status 1.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/user_driver.hpp"
#include "ui/lists.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

struct BrokenState {
  const char* scenario;
  bool loaded;                // Form_Load runs before the state is broken
  void (*spoil)(MainForm&);   // after Form_Load, before the window shows
  void (*trip)(UserDriver&);  // the last action meets the broken state
};

inline void PrintTo(const BrokenState& state, std::ostream* out) { *out << state.scenario; }

// Every one of them divides by zero: the remainder by an interval of 0, or the division by an
// empty divisor text.
inline constexpr int kBrokenNumber = 11;
inline constexpr const char* kBrokenText = "Division by zero";

inline void LoseTheInterval(MainForm& form) { form.Spis[kInterval].Clear(); }

inline const std::vector<BrokenState> kBrokenStates{
    // Never loaded, so no interval is selected: a click on 2 digits makes a table.
    {"no-interval", false, [](MainForm&) {}, [](UserDriver& d) { d.ClickRow("Spis(4)", 2); }},
    // The interval list emptied: "Чисти", then a digit count makes a table; by mouse or by key
    // (Tab goes from the button to Spis(2), then to Spis(4)).
    {"lost-interval", true, LoseTheInterval,
     [](UserDriver& d) {
       d.Click("Command1");
       d.ClickRow("Spis(4)", 2);
     }},
    {"lost-interval-key", true, LoseTheInterval,
     [](UserDriver& d) {
       d.Click("Command1");
       d.Press(Key::kTab);
       d.Press(Key::kTab);
       d.Press(Key::kDown);
     }},
    // The numerators lose their selection (the same rows added again): a click on 90 digits reads
    // row -1.
    {"no-row", true,
     [](MainForm& form) {
       ListBox& numerators = form.Spis[kNumerators];
       const std::vector<std::string> rows = numerators.Rows();
       numerators.Clear();
       for (const std::string& row : rows) numerators.AddItem(row);
     },
     [](UserDriver& d) { d.ClickRow("Spis(5)", 8); }},
};

inline const BrokenState* FindBrokenState(std::string_view scenario) {
  for (const BrokenState& state : kBrokenStates) {
    if (scenario == state.scenario) return &state;
  }
  return nullptr;
}

}  // namespace drobi::testing
