#include "core/number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace drobi {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double ValFromText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // Collect only the digits, and the place of the point as an exponent, so strtod never sees a
  // second sign or the point that the locale may spell otherwise: "1.25" is read as "125e-2".
  std::string digits;
  int exponent = 0;
  while (i < text.size() && IsDigit(text[i])) digits += text[i++];
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      digits += text[i++];
      --exponent;
    }
  }
  if (digits.empty()) return 0.0;
  const double value = DecimalValue(digits, exponent);
  return negative ? -value : value;
}

double DecimalValue(const std::string& digits, int exponent) {
  // Below 10^15 < 2^53 the digits are exact, and so is every power of ten up to 10^22: the one
  // operation rounds once, as strtod does.
  if (digits.size() <= 15 && exponent >= -22 && exponent <= 22) {
    double whole = 0.0;
    for (const char c : digits) whole = whole * 10.0 + (c - '0');
    double power = 1.0;
    for (int i = 0; i < (exponent < 0 ? -exponent : exponent); ++i) power *= 10.0;
    return exponent < 0 ? whole / power : whole * power;
  }
  // The C library's strtod reads the locale's decimal point, but "125e-2" has none.
  return std::strtod((digits + "e" + std::to_string(exponent)).c_str(), nullptr);
}

std::optional<long long> WholeFromText(std::string_view text) {
  const double value = ValFromText(text);
  if (!(std::fabs(value) < 2147483648.0) || value != std::trunc(value)) return std::nullopt;
  return static_cast<long long>(value);
}

std::string PlainText(long long value) {
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string SignedText(long long value) {
  std::string text = PlainText(value);
  // Inserted rather than concatenated: GCC 12 at -O3 warns falsely about " " + std::string.
  if (value >= 0) text.insert(text.begin(), ' ');
  return text;
}

}  // namespace drobi
