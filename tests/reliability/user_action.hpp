#pragma once

#include <string>
#include <vector>

#include "tests/support/form_driver.hpp"
#include "tests/support/user_driver.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

// What a user can do to the window, in the form's own terms.
struct UserAction {
  enum class Kind { kClick, kDoubleClick, kKey, kClear, kGreenSquare, kType };
  using Key = testing::Key;

  static constexpr int kDylgo = 6;  // lists 0..5 are Spis(0..5)

  Kind kind = Kind::kClick;
  int list = 0;  // kClick, kDoubleClick, kKey
  int row = 0;   // clicks: the row, or ListCount for the blank below the last row
  Key key = Key::kDown;
  int page = kFormPage;  // kKey: rows a page key moves by; a window's driver sets its lists' own
  int field = 0;         // kType: Text1(field)
  std::string text;      // kType: appended; empty for a backspace
};

inline ListBox& ListOf(MainForm& form, int list) {
  return list == UserAction::kDylgo ? form.Dylgo : form.Spis[static_cast<std::size_t>(list)];
}

inline std::string ListName(int list) {
  return list == UserAction::kDylgo ? std::string("Dylgo") : "Spis(" + std::to_string(list) + ")";
}

inline std::string Describe(const UserAction& action) {
  const auto list_name = ListName;
  static constexpr const char* kKeys[] = {"Up", "Down", "PageUp", "PageDown", "Home", "End", "Tab"};
  switch (action.kind) {
    case UserAction::Kind::kClick:
      return "click on row " + std::to_string(action.row) + " of " + list_name(action.list);
    case UserAction::Kind::kDoubleClick:
      return "double click on row " + std::to_string(action.row) + " of " + list_name(action.list);
    case UserAction::Kind::kKey:
      return std::string(kKeys[static_cast<int>(action.key)]) + " in " + list_name(action.list);
    case UserAction::Kind::kClear:
      return "Чисти";
    case UserAction::Kind::kGreenSquare:
      return "green square";
    case UserAction::Kind::kType:
      return (action.text.empty() ? std::string("backspace") : "typing «" + action.text + "»") +
             " in Text1(" + std::to_string(action.field) + ")";
  }
  return "?";
}

// Does the action through a driver: to a window, with the mouse and the keyboard, or to the form.
inline void Perform(UserDriver& driver, const UserAction& action) {
  switch (action.kind) {
    case UserAction::Kind::kClick:
    case UserAction::Kind::kDoubleClick:
      driver.ClickRow(ListName(action.list), action.row,
                      action.kind == UserAction::Kind::kDoubleClick);
      return;
    case UserAction::Kind::kKey:
      driver.Focus(ListName(action.list));
      driver.Press(action.key);
      return;
    case UserAction::Kind::kClear:
      driver.Click("Command1");
      return;
    case UserAction::Kind::kGreenSquare:
      driver.Click("Label1");
      return;
    case UserAction::Kind::kType:
      driver.Type("Text1(" + std::to_string(action.field) + ")", action.text);
      return;
  }
}

// Every way in which what the window shows differs from the form's controls; empty when they
// agree.
inline std::vector<std::string> ShownDifferences(const UserDriver& driver, const MainForm& form) {
  std::vector<std::string> out;
  for (int list = 0; list <= UserAction::kDylgo; ++list) {
    const ListBox& box = list == UserAction::kDylgo ? form.Dylgo : form.Spis[std::size_t(list)];
    const std::string name = ListName(list);
    const std::vector<std::string> shown = driver.Rows(name);
    if (shown != box.Rows()) {
      out.push_back(name + " shows " + std::to_string(shown.size()) + " rows unlike the list's " +
                    std::to_string(box.ListCount()));
    }
    const int shown_index = driver.Selected(name);
    if (shown_index != box.ListIndex()) {
      out.push_back(name + " shows row " + std::to_string(shown_index) +
                    " selected, the list row " + std::to_string(box.ListIndex()));
    }
  }
  for (std::size_t i = 0; i < 2; ++i) {
    const std::string name = "Text1(" + std::to_string(i) + ")";
    const std::string shown = driver.Text(name);
    if (shown != form.Text1[i].Text()) {
      out.push_back(name + " shows «" + shown + "», the field holds «" + form.Text1[i].Text() +
                    "»");
    }
  }
  return out;
}

}  // namespace drobi::testing
