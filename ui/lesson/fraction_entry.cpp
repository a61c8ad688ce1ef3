#include "ui/lesson/fraction_entry.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

#include "core/number_text.hpp"
#include "ui/decimal_column.hpp"
#include "ui/lesson/typed_number.hpp"

namespace drobi {
namespace {

constexpr long long kMostNumerator = 999'999;
constexpr long long kMostDenominator = 32'767;

// The value of a run of digits, or nothing past `most`.
std::optional<long long> Value(const std::string& digits, long long most) {
  const std::string trimmed = Trimmed(digits);
  if (trimmed.size() > 18) return std::nullopt;
  const long long value = std::stoll(trimmed);
  return value <= most ? std::optional(value) : std::nullopt;
}

std::string TooLargeNumerator(const std::string& shown) {
  return "Числителят трябва да е от -999 999 до 999 999, а не " + shown + ".";
}

// Adds one to the last digit of `digits`, carrying; true when it carried out of the first.
bool Increment(std::string& digits) {
  for (auto at = digits.rbegin(); at != digits.rend(); ++at) {
    if (*at != '9') {
      ++*at;
      return false;
    }
    *at = '0';
  }
  return true;
}

// Whether k/q has exactly the digits `pre` and then `period` repeating (none: it ends there).
bool Writes(long long k, long long q, const std::string& pre, const std::string& period) {
  long long rest = k;
  long long at_period = -1;
  const std::string digits = pre + period;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i == pre.size()) at_period = rest;
    rest *= 10;
    if (rest / q != digits[i] - '0') return false;
    rest %= q;
  }
  return period.empty() ? rest == 0 : rest == at_period;
}

// p/q as typed, within the table's limits.
std::variant<EnteredFraction, std::string> AsTyped(const TypedNumber& number) {
  const auto p = Value(number.whole, kMostNumerator);
  if (!p) return TooLargeNumerator(Trimmed(number.whole));
  const auto q = Value(number.below, kMostDenominator);
  if (q && *q == 0) return std::string("На 0 не се дели: знаменателят трябва да е от 1 до 32 767.");
  if (!q) return "Знаменателят трябва да е от 1 до 32 767, а не " + Trimmed(number.below) + ".";
  return EnteredFraction{number.negative ? -*p : *p, *q};
}

}  // namespace

std::variant<EnteredFraction, std::string> ValueOf(const TypedNumber& number,
                                                   std::string_view shown) {
  if (number.fraction) {
    auto typed = AsTyped(number);
    if (auto* fraction = std::get_if<EnteredFraction>(&typed)) {
      const long long common = std::gcd(fraction->p, fraction->q);
      *fraction = {fraction->p / common, fraction->q / common};
    }
    return typed;
  }
  std::string whole = number.whole, pre = number.pre, period = number.period;
  const bool negative = number.negative;
  // A period of zeros ends the decimal; one of nines carries into the digits before it: 0,(9) = 1.
  if (period.find_first_not_of('0') == std::string::npos) period.clear();
  if (!period.empty() && period.find_first_not_of('9') == std::string::npos) {
    period.clear();
    if (Increment(pre)) whole = Increment(whole) ? "1" + whole : whole;
  }
  const auto integer = Value(whole, kMostNumerator);
  if (!integer) return TooLargeNumerator(std::string(shown));
  // The fraction part k/q with the smallest q that writes exactly these digits is in lowest
  // terms; its k is the digits' value times q, rounded, which a double holds closely enough.
  double value = 0, place = 1;
  const std::string repeated = period.empty() ? pre : pre + period + period + period;
  for (std::size_t i = 0; i < std::min<std::size_t>(repeated.size(), 20); ++i) {
    place /= 10;
    value += (repeated[i] - '0') * place;
  }
  for (long long q = 1; q <= kMostDenominator; ++q) {
    const long long k = std::llround(value * static_cast<double>(q));
    if (k >= q || !Writes(k, q, pre, period)) continue;
    const long long p = *integer * q + k;
    if (p > kMostNumerator) return TooLargeNumerator(std::string(shown));
    return EnteredFraction{negative ? -p : p, q};
  }
  return std::string(shown) + " дава дроб със знаменател над 32 767, а той трябва да е до 32 767.";
}

std::variant<EnteredFraction, std::string> ReadFraction(std::string_view typed) {
  const auto read = ReadNumber(typed);
  const std::string shown(Shown(typed));
  if (const Unread* unread = std::get_if<Unread>(&read)) {
    switch (*unread) {
      case Unread::kEmpty:
        return std::string("Напишете дроб, ") + kFractionHint + ".";
      case Unread::kTooLong:
        return std::string("Текстът е твърде дълъг: напишете една дроб, ") + kFractionHint + ".";
      case Unread::kUnclosedPeriod:
        return std::string("Липсва затварящата скоба на периода: напишете например 0,1(6).");
      case Unread::kEmptyPeriod:
        return std::string("Периодът в скобите е празен: напишете например 0,1(6).");
      case Unread::kNotUnderstood:
        break;
    }
    return "Не разбирам „" + shown + "“ — напишете " + kFractionHint + ".";
  }
  const TypedNumber& number = std::get<TypedNumber>(read);
  return number.fraction ? AsTyped(number) : ValueOf(number, shown);
}

bool EnterFraction(MainForm& form, const EnteredFraction& fraction) {
  SpisArray& spis = form.Spis;
  if (spis[kNumerators].ListCount() == 0) {
    ListBox& digits = spis[kDecimalDigits];
    digits.UserClick(digits.ListIndex());
    if (spis[kNumerators].ListCount() == 0) return false;
  }
  const int row = std::max(0, spis[kNumerators].ListIndex());
  // Rewritten whole, as only AddItem writes a row: it raises no click, and each list's view
  // follows through its observer.
  const auto rewrite = [row](ListBox& list, const std::string& text) {
    std::vector<std::string> rows = list.Rows();
    rows.at(static_cast<std::size_t>(row)) = text;
    list.Clear();
    for (std::string& each : rows) list.AddItem(std::move(each));
  };
  rewrite(spis[kNumerators], PlainText(fraction.p));
  rewrite(spis[kDenominators], PlainText(fraction.q));
  ShowDecimals(spis, form.Style());
  spis[kNumerators].UserClick(row);
  return true;
}

}  // namespace drobi
