#pragma once

#include <string>
#include <vector>

#include "tests/support/user_driver.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

// What a user can do to the window, in the form's own terms.
struct UserAction {
  enum class Kind { kClick, kDoubleClick, kKey, kClear, kGreenSquare, kType };
  using Key = testing::Key;

  static constexpr int kDylgo = 6;  // lists 0..5 are Spis(0..5)
  static constexpr int kPage = 5;   // rows a page key moves by on the form alone

  Kind kind = Kind::kClick;
  int list = 0;  // kClick, kDoubleClick, kKey
  int row = 0;   // clicks: the row, or ListCount for the blank below the last row
  Key key = Key::kDown;
  int page = kPage;  // kKey: rows a page key moves by; a window's driver sets its lists' own
  int field = 0;     // kType: Text1(field)
  std::string text;  // kType: appended; empty for a backspace
};

inline ListBox& ListOf(MainForm& form, int list) {
  return list == UserAction::kDylgo ? form.Dylgo : form.Spis[static_cast<std::size_t>(list)];
}

inline std::string ListName(int list) {
  return list == UserAction::kDylgo ? std::string("Dylgo") : "Spis(" + std::to_string(list) + ")";
}

// Where a key moves the selection of a list with `count` rows; -1 when there is nowhere to go.
// From no selection every key goes to the first row, as in Qt's lists.
inline int KeyTarget(UserAction::Key key, int index, int count, int page = UserAction::kPage) {
  if (count == 0) return -1;
  const int last = count - 1;
  const auto clamp = [last](int row) { return row < 0 ? 0 : (row > last ? last : row); };
  if (index < 0) return 0;
  switch (key) {
    case UserAction::Key::kUp:
      return clamp(index - 1);
    case UserAction::Key::kDown:
      return clamp(index + 1);
    case UserAction::Key::kPageUp:
      return clamp(index - page);
    case UserAction::Key::kPageDown:
      return clamp(index + page);
    case UserAction::Key::kHome:
      return 0;
    case UserAction::Key::kEnd:
      return last;
    case UserAction::Key::kTab:
      return index;
  }
  return index;
}

// The text after typing `typed` at its end; an empty `typed` is a backspace, which takes off the
// last character whole (a Cyrillic letter is two bytes).
inline std::string Typed(std::string text, const std::string& typed) {
  if (!typed.empty()) return text + typed;
  if (text.empty()) return text;
  std::size_t cut = text.size() - 1;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  text.erase(cut);
  return text;
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

// Does to the form what the user does to the window. Each press of a double click is a click;
// a keyboard move onto the row that is selected already goes nowhere, so it raises nothing.
inline void Perform(MainForm& form, const UserAction& action) {
  switch (action.kind) {
    case UserAction::Kind::kClick:
      ListOf(form, action.list).UserClick(action.row);
      return;
    case UserAction::Kind::kDoubleClick:
      ListOf(form, action.list).UserClick(action.row);
      ListOf(form, action.list).UserClick(action.row);
      return;
    case UserAction::Kind::kKey: {
      ListBox& list = ListOf(form, action.list);
      const int target = KeyTarget(action.key, list.ListIndex(), list.ListCount(), action.page);
      if (target >= 0 && target != list.ListIndex()) list.UserClick(target);
      return;
    }
    case UserAction::Kind::kClear:
      form.Command1.Click();
      return;
    case UserAction::Kind::kGreenSquare:
      form.Label1.Click();
      return;
    case UserAction::Kind::kType: {
      TextBox& field = form.Text1[static_cast<std::size_t>(action.field)];
      field.SetText(Typed(field.Text(), action.text));
      return;
    }
  }
}

// Does the action to a window, with the mouse and the keyboard, through its driver.
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
