#pragma once

#include <cstdint>
#include <random>

#include "tests/reliability/user_action.hpp"

namespace drobi::testing {

// A reproducible stream of user actions: the same seed gives the same actions against the same
// window. Clicks land on any row of any list and on the blank below the last row.
class ActionStream {
 public:
  explicit ActionStream(std::uint64_t seed) : engine_(seed) {}

  UserAction Next(MainForm& form) {
    UserAction action;
    const auto roll = Below(100);
    if (roll < 55) {
      action.kind = UserAction::Kind::kClick;
      action.list = Below(7);
      action.row = Below(ListOf(form, action.list).ListCount() + 1);
    } else if (roll < 75) {
      action.kind = UserAction::Kind::kKey;
      action.list = Below(7);
      action.key = static_cast<UserAction::Key>(Below(6));
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
};

}  // namespace drobi::testing
