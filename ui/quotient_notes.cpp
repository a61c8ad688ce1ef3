#include "ui/quotient_notes.hpp"

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

// The prime factors of n > 1 in rising order: «2²·3».
std::string PrimeFactors(long long n) {
  std::string text;
  const auto add = [&text](long long prime, int exponent) {
    if (!text.empty()) text += "·";
    text += std::to_string(prime);
    if (exponent > 1) text += Superscript(exponent);
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
// and the period in parentheses, at most kMostDigits of them.
std::string ExactValue(long long p, long long q, const Period& period, const NumberStyle& style) {
  const long long all = period.pre_period + period.period;
  const int n = static_cast<int>(std::min<long long>(all, QuotientNotes::kMostDigits));
  const LongDivision division = DivideLong(p, q, n);
  std::string text = p != 0 && (p < 0) != (q < 0) ? style.negative_sign : "";
  text += std::to_string(std::llabs(division.whole));
  if (n == 0) return text;
  text += style.decimal_separator;
  for (int k = 0; k < n; ++k) {
    if (k == period.pre_period) text += '(';
    text += static_cast<char>('0' + division.digits[static_cast<std::size_t>(k)]);
  }
  if (all > n) text += "…";
  if (n > period.pre_period) text += ')';
  return text;
}

// Why the digits of p/q end or repeat, from the fraction in lowest terms.
std::string Reason(long long p, long long q, const std::string& p_text, const std::string& q_text,
                   const Period& period) {
  const long long divisor = std::gcd(p, q) * (q < 0 ? -1 : 1);
  const long long numerator = p / divisor;
  const long long denominator = q / divisor;
  if (denominator == 1) return "цяло число: " + p_text + " се дели на " + q_text;
  std::string text;
  if (numerator != p || denominator != q) {
    text =
        p_text + "/" + q_text + " = " + PlainText(numerator) + "/" + PlainText(denominator) + "; ";
  }
  text += std::to_string(denominator) + " = " + PrimeFactors(denominator) + ": ";
  if (period.period == 0) {
    return text + "крайна десетична дроб, " + Digits(period.pre_period) + " след десетичния знак";
  }
  text += "безкрайна периодична десетична дроб, ";
  if (period.pre_period > 0) text += "предпериод: " + Digits(period.pre_period) + ", ";
  return text + "период: " + Digits(period.period);
}

}  // namespace

QuotientNotes::QuotientNotes(const SpisArray& spis, const NumberStyle& style)
    : spis_(spis), style_(style) {}

std::string QuotientNotes::HoverText(int row) const {
  const ListBox& numerators = spis_[kNumerators];
  const ListBox& denominators = spis_[kDenominators];
  if (row < 0 || row >= spis_[kQuotients].ListCount() || row >= numerators.ListCount() ||
      row >= denominators.ListCount()) {
    return {};
  }
  const std::string& p_text = numerators.List(row);
  const std::string& q_text = denominators.List(row);
  if (last_ && last_->p == p_text && last_->q == q_text) return last_->text;
  const auto p = WholeFromText(p_text);
  const auto q = WholeFromText(q_text);
  if (!p || !q || *q == 0) return {};
  const Period period = FindPeriod(*p, *q);
  std::string text = std::string(ControlNamed("Spis(2)").hover) + "\n" + p_text + "/" + q_text +
                     " = " + ExactValue(*p, *q, period, style_) + "\n" +
                     Reason(*p, *q, p_text, q_text, period);
  last_ = Note{p_text, q_text, text};
  return text;
}

}  // namespace drobi
