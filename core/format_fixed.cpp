#include "core/format_fixed.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/number_text.hpp"
#include "core/runtime_error.hpp"

namespace drobi {
namespace {

// The shortest round-trip form of |value| as significant digits and the number of digits that
// stand before the decimal point (which may be zero or negative: 0.0012 is "12" with -2).
struct Decimal {
  std::string digits;
  int point = 0;
};

// |value| to `precision` + 1 significant digits, as printf rounds them.
Decimal Rounded(double magnitude, int precision) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.*e", precision, magnitude);
  const std::string_view text(buffer.data());
  const std::size_t e = text.find('e');
  Decimal decimal;
  // Only digits and the exponent are kept, never the locale's decimal point.
  for (char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') decimal.digits += c;
  }
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  decimal.point);
  ++decimal.point;
  return decimal;
}

Decimal ShortestDecimal(double magnitude) {
  // The fewest digits that read back as the same double; 17 always do, and any more than a
  // number that does do too, so the count is found by halving the range.
  int fewest = 0;
  int most = 16;  // precision, one less than the digits
  while (fewest < most) {
    const int middle = (fewest + most) / 2;
    const Decimal decimal = Rounded(magnitude, middle);
    const int exponent = decimal.point - 1 - middle;
    if (DecimalValue(decimal.digits, exponent) == magnitude) {
      most = middle;
    } else {
      fewest = middle + 1;
    }
  }
  return Rounded(magnitude, fewest);
}

// Adds one to a string of decimal digits; "" counts as zero.
std::string Increment(std::string number) {
  for (auto it = number.rbegin(); it != number.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return number;
    }
    *it = '0';
  }
  return "1" + number;
}

std::string Grouped(const std::string& integer, const NumberStyle& style) {
  if (style.group_size <= 0 || style.group_separator.empty()) return integer;
  std::string out;
  const auto size = static_cast<int>(integer.size());
  for (int i = 0; i < size; ++i) {
    if (i > 0 && (size - i) % style.group_size == 0) out += style.group_separator;
    out += integer[static_cast<std::size_t>(i)];
  }
  return out;
}

// The magnitude's text with the sign where the style puts it.
std::string Negative(const std::string& magnitude, const NumberStyle& style) {
  switch (style.negative_format) {
    case 0:
      return "(" + magnitude + ")";
    case 2:
      return style.negative_sign + " " + magnitude;
    case 3:
      return magnitude + style.negative_sign;
    case 4:
      return magnitude + " " + style.negative_sign;
    default:
      return style.negative_sign + magnitude;
  }
}

}  // namespace

std::string FormatFixed(double value, int digits, const NumberStyle& style) {
  if (digits < 0 || digits > 99) throw RuntimeError(error::kInvalidCall, "Invalid procedure call");
  if (!std::isfinite(value)) throw RuntimeError(error::kOverflow, "Overflow");

  const Decimal decimal = ShortestDecimal(std::fabs(value));
  // The value scaled by 10^digits is `kept` with the digit `next` after it deciding the rounding.
  const int keep = decimal.point + digits;
  std::string kept;
  char next = '0';
  if (keep > 0) {
    const auto count = static_cast<std::size_t>(keep);
    kept = decimal.digits.substr(0, count);
    if (kept.size() < count) kept.append(count - kept.size(), '0');
    if (count < decimal.digits.size()) next = decimal.digits[count];
  } else if (keep == 0) {
    next = decimal.digits[0];
  }
  if (next >= '5') kept = Increment(kept);

  const auto width = static_cast<std::size_t>(digits) + 1;
  if (kept.size() < width) kept.insert(0, width - kept.size(), '0');
  std::string integer = kept.substr(0, kept.size() - static_cast<std::size_t>(digits));
  const std::string fraction = kept.substr(integer.size());
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));

  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  std::string out;
  if (integer != "0" || style.leading_zero || digits == 0) out += Grouped(integer, style);
  if (digits > 0) out += style.decimal_separator + fraction;
  return (value < 0 && !zero) ? Negative(out, style) : out;
}

}  // namespace drobi
