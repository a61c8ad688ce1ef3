#include "ui/lesson/quotient_notes.hpp"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "core/long_division.hpp"
#include "core/number_text.hpp"
#include "ui/window_layout.hpp"

namespace drobi {
namespace {

std::string Digits(long long count) {
  return count == 1 ? "1 цифра" : std::to_string(count) + " цифри";
}

// «11» as «¹¹».
std::string Superscript(int exponent) {
  static constexpr const char* kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text;
  for (const char digit : std::to_string(exponent)) text += kSuperscripts[digit - '0'];
  return text;
}

// The prime factors of n > 1 in rising order: «2²·3», spoken «2 на степен 2 по 3».
std::string PrimeFactors(long long n, bool spoken) {
  std::string text;
  const auto add = [&text, spoken](long long prime, int exponent) {
    if (!text.empty()) text += spoken ? " по " : "·";
    text += std::to_string(prime);
    if (exponent > 1) {
      text += spoken ? " на степен " + std::to_string(exponent) : Superscript(exponent);
    }
  };
  for (long long f = 2; f * f <= n; ++f) {
    int exponent = 0;
    for (; n % f == 0; n /= f) ++exponent;
    if (exponent > 0) add(f, exponent);
  }
  if (n > 1) add(n, 1);
  return text;
}

// The exact value of p/q: the sign, the integer part, the separator, the digits before the period
// and the period in parentheses, at most kMostDigits of them. Spoken as a teacher reads it, digit
// by digit: «0,1(6)» as «0 цяло и 1, и 6 в период», and a period cut short as «… и още 106 цифри
// в период».
std::string ExactValue(long long p, long long q, const Period& period, const NumberStyle& style,
                       bool spoken) {
  const long long all = period.pre_period + period.period;
  const int n = static_cast<int>(std::min<long long>(all, QuotientNotes::kMostDigits));
  const LongDivision division = DivideLong(p, q, n);
  std::string text;
  if (p != 0 && (p < 0) != (q < 0)) text = spoken ? "минус " : style.negative_sign;
  text += std::to_string(std::llabs(division.whole));
  if (n == 0) return text;
  text += spoken ? " цяло и" : style.decimal_separator;
  for (int k = 0; k < n; ++k) {
    if (k == period.pre_period) text += spoken ? (k > 0 ? ", и" : "") : "(";
    if (spoken) text += ' ';
    text += static_cast<char>('0' + division.digits[static_cast<std::size_t>(k)]);
  }
  if (all > n) text += spoken ? " и още " + Digits(all - n) : "…";
  if (n > period.pre_period) text += spoken ? " в период" : ")";
  return text;
}

// Why the digits of p/q end or repeat, from the fraction in lowest terms.
std::string Reason(long long p, long long q, const std::string& p_text, const std::string& q_text,
                   const Period& period, bool spoken) {
  const long long divisor = std::gcd(p, q) * (q < 0 ? -1 : 1);
  const long long numerator = p / divisor;
  const long long denominator = q / divisor;
  const std::string over = spoken ? " върху " : "/";
  const std::string is = spoken ? " е " : " = ";
  const std::string colon = spoken ? ", " : ": ";
  if (denominator == 1) return "цяло число" + colon + p_text + " се дели на " + q_text;
  std::string text;
  if (numerator != p || denominator != q) {
    text =
        p_text + over + q_text + is + PlainText(numerator) + over + PlainText(denominator) + "; ";
  }
  text += std::to_string(denominator) + is + PrimeFactors(denominator, spoken) + colon;
  if (period.period == 0) {
    return text + "крайна десетична дроб, " + Digits(period.pre_period) + " след десетичния знак";
  }
  text += "безкрайна периодична десетична дроб, ";
  const std::string named = spoken ? " " : ": ";
  if (period.pre_period > 0) text += "предпериод" + named + Digits(period.pre_period) + ", ";
  return text + "период" + named + Digits(period.period);
}

}  // namespace

std::string ExactValueText(long long p, long long q, const NumberStyle& style, bool spoken) {
  return ExactValue(p, q, FindPeriod(p, q), style, spoken);
}

std::string ReasonText(long long p, long long q, const std::string& p_text,
                       const std::string& q_text, bool spoken) {
  return Reason(p, q, p_text, q_text, FindPeriod(p, q), spoken);
}

QuotientNotes::QuotientNotes(const SpisArray& spis, const NumberStyle& style)
    : spis_(spis), style_(style) {}

std::string QuotientNotes::HoverText(int row) const {
  const Note* note = NoteOf(row);
  return note != nullptr ? note->shown : std::string();
}

std::string QuotientNotes::SpokenNote(int row) const {
  const Note* note = NoteOf(row);
  return note != nullptr ? note->spoken : std::string();
}

const QuotientNotes::Note* QuotientNotes::NoteOf(int row) const {
  const ListBox& numerators = spis_[kNumerators];
  const ListBox& denominators = spis_[kDenominators];
  if (row < 0 || row >= spis_[kQuotients].ListCount() || row >= numerators.ListCount() ||
      row >= denominators.ListCount()) {
    return nullptr;
  }
  const std::string& p_text = numerators.List(row);
  const std::string& q_text = denominators.List(row);
  if (last_ && last_->p == p_text && last_->q == q_text) return &*last_;
  const auto p = WholeFromText(p_text);
  const auto q = WholeFromText(q_text);
  if (!p || !q || *q == 0) return nullptr;
  const Period period = FindPeriod(*p, *q);
  std::string shown = std::string(ControlNamed("Spis(2)").hover) + "\n" + p_text + "/" + q_text +
                      " = " + ExactValue(*p, *q, period, style_, false) + "\n" +
                      Reason(*p, *q, p_text, q_text, period, false);
  std::string spoken = p_text + " върху " + q_text + " е " +
                       ExactValue(*p, *q, period, style_, true) + "; " +
                       Reason(*p, *q, p_text, q_text, period, true);
  last_ = Note{p_text, q_text, std::move(shown), std::move(spoken)};
  return &*last_;
}

}  // namespace drobi
