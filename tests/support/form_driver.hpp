#pragma once

// The form alone, driven as a window's driver drives a window, so that the shared scenarios hold
// for it too: a click on a row is the list's UserClick, a key moves the selection of the list
// last clicked or focused as the windows' lists do, and typing goes to the end of the field.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/user_driver.hpp"
#include "ui/lesson/fraction_entry.hpp"
#include "ui/lesson/written_division.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

// Rows a page key moves by on the form alone.
inline constexpr int kFormPage = 5;

// Where a key moves the selection of a list with `count` rows; -1 when there is nowhere to go.
// From no selection every key goes to the first row, as in Qt's lists.
inline int KeyTarget(Key key, int index, int count, int page = kFormPage) {
  if (count == 0) return -1;
  const int last = count - 1;
  const auto clamp = [last](int row) { return row < 0 ? 0 : (row > last ? last : row); };
  if (index < 0) return 0;
  switch (key) {
    case Key::kUp:
      return clamp(index - 1);
    case Key::kDown:
      return clamp(index + 1);
    case Key::kPageUp:
      return clamp(index - page);
    case Key::kPageDown:
      return clamp(index + page);
    case Key::kHome:
      return 0;
    case Key::kEnd:
      return last;
    case Key::kTab:
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

class FormDriver : public UserDriver {
 public:
  explicit FormDriver(MainForm& form) : form_(form) {}

  // Each press of a double click is a click; so is a press past the last row, which the ListBox
  // must ignore.
  void ClickRow(const std::string& list, int row, bool twice = false) override {
    focus_ = list;
    List(list).UserClick(row);
    if (twice) List(list).UserClick(row);
  }
  void Click(const std::string& control) override {
    if (control != "Command1" && control != "Label1") throw std::logic_error("no " + control);
    control == "Command1" ? form_.Command1.Click() : form_.Label1.Click();
  }
  void Focus(const std::string& control) override { focus_ = control; }
  // A key that would select the row already selected goes nowhere, so it raises nothing.
  void Press(Key key) override {
    ListBox& list = List(focus_);
    const int target = KeyTarget(key, list.ListIndex(), list.ListCount());
    if (target >= 0 && target != list.ListIndex()) list.UserClick(target);
  }
  void Type(const std::string& field, const std::string& text) override {
    TextBox& box = Field(field);
    box.SetText(Typed(box.Text(), text));
  }

  std::vector<std::string> Rows(const std::string& list) const override {
    return List(list).Rows();
  }
  int Selected(const std::string& list) const override { return List(list).ListIndex(); }
  std::string Text(const std::string& field) const override { return Field(field).Text(); }
  std::string Focused() const override { return focus_; }
  Rgb ColourAt(int, int) const override { throw std::logic_error("the form has no pixels"); }
  // The views follow the form as a window's do; zoom and the about box have nothing to show.
  void Choose(CommandId command) override {
    if (command == CommandId::kDivisionView) division_open_ = true;
  }
  std::vector<std::string> DivisionLines() const override {
    return division_open_ ? WrittenDivisionOf(form_).lines : std::vector<std::string>{};
  }
  std::string EnterFraction(const std::string& typed) override {
    const auto read = ReadFraction(typed);
    if (const auto* message = std::get_if<std::string>(&read)) return *message;
    drobi::EnterFraction(form_, std::get<EnteredFraction>(read));
    return {};
  }
  std::vector<std::string> Exercise(TaskKind kind, const std::string& answer) override {
    if (!exercises_) exercises_.emplace(form_, kind);
    if (exercises_->Kind() != kind) exercises_->SetKind(kind);
    const std::string question = exercises_->Question();
    const Verdict verdict = answer == "К"   ? exercises_->AnswerEnds(true)
                            : answer == "П" ? exercises_->AnswerEnds(false)
                                            : exercises_->Answer(answer);
    const std::string count = exercises_->Count();
    exercises_->Next();
    return {question, verdict.shown, count};
  }

 private:
  ListBox& List(const std::string& name) const {
    if (name == "Dylgo") return form_.Dylgo;
    if (name.size() == 7 && name.starts_with("Spis(") && name[5] >= '0' && name[5] <= '5') {
      return form_.Spis[static_cast<std::size_t>(name[5] - '0')];
    }
    throw std::logic_error("the form has no list " + name);
  }
  TextBox& Field(const std::string& name) const {
    if (name == "Text1(0)" || name == "Text1(1)") {
      return form_.Text1[static_cast<std::size_t>(name[6] - '0')];
    }
    throw std::logic_error("the form has no text field " + name);
  }

  MainForm& form_;
  std::string focus_;
  bool division_open_ = false;
  std::optional<Exercises> exercises_;
};

}  // namespace drobi::testing
