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
  digits += "e" + std::to_string(exponent);
  const double value = std::strtod(digits.c_str(), nullptr);
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
