#pragma once

#include <optional>
#include <string>

#include "core/number_style.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/lists.hpp"

namespace drobi {

// What a row of the quotient list tells beyond its rounded value: the exact value of its fraction
// as pupils write it, and why the digits end or repeat. Three lines:
//   Десетична дроб
//   1/6 = 0,1(6)
//   6 = 2·3: безкрайна периодична десетична дроб, предпериод: 1 цифра, период: 1 цифра
// The first is the list's own hover text. The second shows p and q as their rows do, then the
// value with the regional negative sign and decimal separator, the digits before the period and
// the period in parentheses; past 60 digits it is cut and closes with «…)». The third gives the
// fraction in lowest terms where it differs, the prime factors of its denominator and the verdict:
// a fraction in lowest terms ends exactly when its denominator has no prime factor but 2 and 5.
//
// Worked out from rows of Spis(0) and Spis(1) when a view asks, never stored with the rows. A row
// of Spis(2) without its fraction beside it (an empty table, rows being refilled) has no text of
// its own. Texts are UTF-8.
class QuotientNotes : public RowTexts {
 public:
  // Only the longest expansions are cut, those of long periods: 1/997 has 166 digits in a turn.
  static constexpr int kMostDigits = 60;

  QuotientNotes(const SpisArray& spis, const NumberStyle& style);

  std::string HoverText(int row) const override;
  // The row is announced by its rounded value.
  std::string AccessibleText(int /*row*/) const override { return {}; }
  // The second and third lines in words, without the list's own hover: «1 върху 6 е 0 цяло и 1,
  // и 6 в период; 6 е 2 по 3, безкрайна периодична десетична дроб, предпериод 1 цифра, период 1
  // цифра».
  std::string SpokenNote(int row) const override;

 private:
  struct Note {
    std::string p, q;  // row texts
    std::string shown, spoken;
  };
  // The note of the row's fraction, or nothing where the row has no fraction beside it.
  const Note* NoteOf(int row) const;

  const SpisArray& spis_;
  const NumberStyle& style_;
  // The last note worked out: a view asks for the same row's hover and description in a row.
  mutable std::optional<Note> last_;
};

// p/q exactly as pupils write it, «-0,41(6)», with the regional sign and separator, or in words;
// past kMostDigits digits cut with «…».
std::string ExactValueText(long long p, long long q, const NumberStyle& style, bool spoken);
// Why p/q ends or repeats, as the third line of a note says it, or in words.
std::string ReasonText(long long p, long long q, const std::string& p_text,
                       const std::string& q_text, bool spoken);

}  // namespace drobi
