#pragma once

// The teacher's own fraction: what is typed, read once into a fraction or a message that says
// what is wrong and what would be right, and the fraction written into the selected row of the
// table so that the long number and everything that reads the table follow it.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "ui/lesson/typed_number.hpp"
#include "ui/main_form.hpp"

namespace drobi {

struct EnteredFraction {
  long long p = 0, q = 1;
  friend bool operator==(const EnteredFraction&, const EnteredFraction&) = default;
};

// The dialog's title and its field's name; Enter accepts and Escape cancels.
inline constexpr const char* kEnterFractionTitle = "Въведете дроб";
inline constexpr const char* kEnterFractionField = "Дроб или десетична дроб";
inline constexpr const char* kAcceptFraction = "Добре";
inline constexpr const char* kCancelFraction = "Отказ";
// What the entry field shows while it is empty.
inline constexpr const char* kFractionHint = "например 5/12, -22/7, 0,125 или 0,1(6)";
// «p/q» as typed (not reduced, as the table keeps 6/8): blanks between the parts, a sign «-», «−»
// or «+» before p, a minus before q moved to p, |p| ≤ 999 999 and q from 1 to 32 767. Or a
// decimal, «0,125», «-2,5», «0,1(6)», with a comma or a point: its fraction in lowest terms, with
// the same limits. Anything else gives the message to show, in Bulgarian.
std::variant<EnteredFraction, std::string> ReadFraction(std::string_view typed);
// The value of a number read from `shown` in lowest terms, with the table's limits; a fraction's
// digits are divided out. Or the message to show.
std::variant<EnteredFraction, std::string> ValueOf(const TypedNumber& number,
                                                   std::string_view shown);

// Writes the fraction into the selected row of the table, Spis(0) and Spis(1) taking p and q, and
// the decimal column rewritten as it writes itself; then clicks that row as a user would, so that
// the long number follows by the path a click takes. With an empty table a new one is made first,
// as a click on the 0–7 list makes it, and the fraction goes into row 0. The rows are written
// without raising a click. False when there is no table and none can be made.
bool EnterFraction(MainForm& form, const EnteredFraction& fraction);

}  // namespace drobi
