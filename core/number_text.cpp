#include "core/number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>
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
  // Collect only the characters that form a number, so from_chars never sees a second sign,
  // an exponent or the locale's notion of a separator.
  std::string digits;
  bool any_digit = false;
  while (i < text.size() && IsDigit(text[i])) {
    digits += text[i++];
    any_digit = true;
  }
  if (i < text.size() && text[i] == '.') {
    digits += text[i++];
    while (i < text.size() && IsDigit(text[i])) {
      digits += text[i++];
      any_digit = true;
    }
  }
  if (!any_digit) return 0.0;
  double value = 0.0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return negative ? -value : value;
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
