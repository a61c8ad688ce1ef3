#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/main_form.hpp"
#include "ui/window_layout.hpp"

namespace drobi {

// How a row of the long number is marked beside its text.
struct RowMark {
  bool pre_period = false;   // a digit before the repeating part (or before the zeros that end
                             // a terminating fraction)
  int turn = 0;              // the turn of the period the digit belongs to, 1 for the first;
                             // 0 outside the period
  bool starts_turn = false;  // the first digit of a turn: a separator line goes above it
  std::uint32_t tint = 0;    // &H00BBGGRR&, meaningful only inside the period (turn > 0)
};

// What a list shows of each row beyond its text: a hover text, what a screen reader says, and
// the marks drawn beside it. Worked out from the lists when a view asks, never stored with the
// rows; a view asks again for every paint, so an answer always matches the rows shown.
class RowTexts {
 public:
  virtual ~RowTexts() = default;
  // The row's hover text; empty where the row has none of its own and the list's hover stands.
  virtual std::string HoverText(int row) const = 0;
  // What a screen reader announces for the row, in words; empty where the row's text says it.
  virtual std::string AccessibleText(int row) const = 0;
  // What a screen reader gives as the row's description: the row's own note in words, never the
  // list's hover, which is the list's description and said once, on entering the list; empty
  // where the row's accessible text says it all.
  virtual std::string SpokenNote(int /*row*/) const { return {}; }
  virtual RowMark Mark(int /*row*/) const { return {}; }
};

// The row texts of the list that `control` shows, or nothing where its rows have none.
std::unique_ptr<const RowTexts> RowTextsFor(const MainForm& form, const ControlLayout& control);

// The hover text of a row of `list`: the row's own, or the list's where the row has none.
std::string RowHoverText(const RowTexts& texts, int row, const ControlLayout& list);
// What a screen reader is to hear of a row after the row's text `shown`, which it reads from the
// row itself: the row's accessible text without that text and the comma after it at its start.
std::string SpokenAfterText(const RowTexts& texts, int row, std::string_view shown);

}  // namespace drobi
