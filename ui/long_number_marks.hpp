#pragma once

#include <QVariant>
#include <optional>
#include <string>
#include <vector>

#include "core/lists.hpp"
#include "core/long_division.hpp"
#include "ui/main_form.hpp"

namespace drobi {

class ListView;

// What the long-number list shows beside its row texts: where the digits start to repeat, and
// for each row the division step that gave its digit.
//
// The marks are worked out from the lists when a view asks, never stored with the rows: they hold
// only while Dylgo shows exactly the long number of the fraction selected in Spis(0) and Spis(1),
// and in any other state (no table, nothing selected, rows of another fraction) every row reads
// unmarked with the list's plain hover text. The row texts and the selection are never touched.
//
// Marking: the digits of the pre-period stay plain; each turn of the period gets a light tint,
// alternating between two tints from one turn to the next, and its first digit asks for a
// separator line above it (kPeriodStartRole), so that colour is never the only signal. The digits
// all keep the list's own font. A terminating fraction has no period and marks nothing.
class LongNumberMarks {
 public:
  // true on the first digit of each turn of the period.
  static constexpr int kPeriodStartRole = Qt::UserRole + 1;
  // The turn of the period a row belongs to, 1 for the first; 0 outside the period.
  static constexpr int kPeriodTurnRole = Qt::UserRole + 2;

  LongNumberMarks(const SpisArray& spis, const ListBox& dylgo);

  // The hover text, accessible text and description, tint and the roles above of a row of
  // Dylgo; nothing for the row text, which the list serves itself.
  QVariant Data(int row, int role) const;

 private:
  // The division behind the rows of Dylgo, or nothing when the rows are not the selected
  // fraction's long number.
  const LongDivision* Current() const;
  int Turn(int row, const LongDivision& d) const;
  QString HoverText(int row, const LongDivision& d) const;
  QString AccessibleText(int row, const LongDivision& d) const;

  const SpisArray& spis_;
  const ListBox& dylgo_;
  // The last division worked out, with the fraction and count it was for and the rows it gives;
  // views ask for every role of every row on each paint.
  mutable long long p_ = 0, q_ = 0;
  mutable int n_ = -1;
  mutable std::optional<LongDivision> division_;
  mutable std::vector<std::string> rows_;
};

// Shows the marks of the form's long number in the view of Dylgo, which keeps them for its life.
void MarkLongNumber(ListView& dylgo_view, const MainForm& form);

}  // namespace drobi
