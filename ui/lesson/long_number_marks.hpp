#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/long_division.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/lists.hpp"

namespace drobi {

// The two tints of alternate turns of the period, as stored colours &H00BBGGRR&: pale yellow and
// pale blue stay apart also for the common kinds of colour blindness, and the selection's
// highlight still stands out on both.
inline constexpr std::uint32_t kPeriodTints[2] = {0x00AAEEFF, 0x00FFE4C4};

// What the long-number list shows beside its row texts: where the digits start to repeat, and
// for each row the division step that gave its digit.
//
// The marks are worked out from the lists when a view asks, never stored with the rows: they hold
// only while Dylgo shows exactly the long number of the fraction selected in Spis(0) and Spis(1),
// and in any other state (no table, nothing selected, rows of another fraction) every row reads
// unmarked, with no hover or accessible text of its own. The rows and the selection are never
// touched.
//
// Marking: the digits of the pre-period stay plain; each turn of the period gets a light tint,
// alternating between the two tints from one turn to the next, and its first digit a separator
// line above it, so that colour is never the only signal. A terminating fraction has no period
// and marks no turn. Texts are UTF-8.
class LongNumberMarks : public RowTexts {
 public:
  LongNumberMarks(const SpisArray& spis, const ListBox& dylgo);

  // Whether Dylgo holds the long number of the selected fraction, so that its rows are marked.
  bool Marked() const { return Current() != nullptr; }
  RowMark Mark(int row) const override;
  // The list's own hover text, a line break and the step that gave the row; empty for a row that
  // is not marked, which shows the list's hover text alone.
  std::string HoverText(int row) const override;
  // What a screen reader announces for the row, the same step in words: «6, цифра 3, начало на
  // период 2; 5 по 10 е 50; 50 делено на 19 е 2, остатък 12», «цяла част 1; 19 делено на 19 е 1,
  // остатък 0». Screen readers read a row by this text alone (Orca never says a row's
  // description), so it carries the step, and the row has no note besides. Empty for a row that
  // is not marked, which is announced by its text.
  std::string AccessibleText(int row) const override;

 private:
  // The division and period behind the rows of Dylgo, with the fraction they are for.
  struct Division {
    long long p = 0, q = 0;
    LongDivision division;
    Period period;
    std::vector<std::string> rows;
  };

  enum class Said { kShown, kSpoken };
  // The step that gave the row and what it tells of the period, as the hover shows it (after the
  // list's own text) or as a screen reader says it; empty for a row that is not marked.
  std::string Explained(int row, Said said) const;
  // The division behind the rows of Dylgo, or nothing when the rows are not the selected
  // fraction's long number.
  const Division* Current() const;

  const SpisArray& spis_;
  const ListBox& dylgo_;
  // The last division worked out; views ask for the marks of every row on each paint.
  mutable std::optional<Division> last_;
};

}  // namespace drobi
