#pragma once

#include <cstdint>
#include <random>

#include "tests/reliability/user_action.hpp"

namespace drobi::testing {

// A reproducible stream of user actions: the same seed gives the same actions against the same
// window. Clicks land on any row of any list and on the blank below the last row.
class ActionStream {
 public:
  // Without page keys for a window whose page size depends on its fonts.
  ActionStream(std::uint64_t seed, bool page_keys) : engine_(seed), page_keys_(page_keys) {}

  UserAction Next(MainForm& form) {
    UserAction action;
    const auto roll = Below(100);
    if (roll < 55) {
      action.kind = roll < 50 ? UserAction::Kind::kClick : UserAction::Kind::kDoubleClick;
      action.list = Below(7);
      action.row = Below(ListOf(form, action.list).ListCount() + 1);
    } else if (roll < 75) {
      static constexpr UserAction::Key kKeys[] = {
          UserAction::Key::kUp,  UserAction::Key::kDown,   UserAction::Key::kHome,
          UserAction::Key::kEnd, UserAction::Key::kPageUp, UserAction::Key::kPageDown};
      action.kind = UserAction::Kind::kKey;
      action.list = Below(7);
      action.key = kKeys[Below(page_keys_ ? 6 : 4)];
    } else if (roll < 81) {
      action.kind = UserAction::Kind::kClear;
    } else if (roll < 86) {
      action.kind = UserAction::Kind::kGreenSquare;
    } else {
      static constexpr const char* kTyped[] = {"", "", "1/7", "Защо", " ", "\n", "0,3(3)", "я"};
      action.kind = UserAction::Kind::kType;
      action.field = Below(2);
      action.text = kTyped[Below(static_cast<int>(std::size(kTyped)))];
    }
    return action;
  }

 private:
  int Below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(bound)); }

  std::mt19937_64 engine_;
  bool page_keys_;
};

}  // namespace drobi::testing
