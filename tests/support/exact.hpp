#pragma once

// Reference results in plain integer arithmetic, written without any of the program's own
// number operations, for comparing the program's rows against.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace drobi::testing {

// p/q rounded half away from zero to d places, written with the given separator.
inline std::string ExactRounded(std::int64_t p, std::int64_t q, int d, const std::string& sep) {
  std::int64_t scale = 1;
  for (int i = 0; i < d; ++i) scale *= 10;
  const std::int64_t magnitude = std::llabs(p) * scale;
  std::int64_t units = magnitude / q;
  if (2 * (magnitude % q) >= q) ++units;
  std::string text = std::to_string(units / scale);
  if (d > 0) {
    std::string fraction = std::to_string(units % scale);
    text += sep + std::string(static_cast<std::size_t>(d) - fraction.size(), '0') + fraction;
  }
  return (p < 0 && units != 0 ? "-" : "") + text;
}

// The rows of the long number of p/q with n digits: «␣c.» or «-c.», then the digits.
inline std::vector<std::string> ExactLongNumber(std::int64_t p, std::int64_t q, int n) {
  const std::int64_t whole = std::llabs(p) / q;
  const bool negative = (p < 0) && whole != 0;
  std::string head(1, negative ? '-' : ' ');
  head += std::to_string(whole);
  head += '.';
  std::vector<std::string> rows{head};
  std::int64_t rest = std::llabs(p) % q;
  for (int i = 0; i < n; ++i) {
    rest *= 10;
    rows.push_back(std::string(1, static_cast<char>('0' + rest / q)));
    rest %= q;
  }
  return rows;
}

// The turn of the period that each row of the long number of p/q with n digits belongs to: 0 for
// the integer part, the digits before the period and every digit of a terminating fraction.
// Worked out from the remainders alone: digit k comes from remainder k - 1, and the period starts
// at the first remainder that comes back.
inline std::vector<int> ExpectedTurns(std::int64_t p, std::int64_t q, int n) {
  std::vector<int> turns(static_cast<std::size_t>(n) + 1, 0);
  std::vector<int> first_seen(static_cast<std::size_t>(q), -1);
  std::int64_t rest = std::llabs(p) % q;
  int step = 0;
  while (rest != 0 && first_seen[static_cast<std::size_t>(rest)] < 0) {
    first_seen[static_cast<std::size_t>(rest)] = step++;
    rest = rest * 10 % q;
  }
  if (rest == 0) return turns;
  const int before = first_seen[static_cast<std::size_t>(rest)];
  const int period = step - before;
  for (int row = before + 1; row <= n; ++row) {
    turns[static_cast<std::size_t>(row)] = (row - before - 1) / period + 1;
  }
  return turns;
}

// The working of p/q (q > 0) written out to at most n digits, below its first line: each number
// placed so that its last digit stands one column right of the step before's, the integer part's
// product under the dividend's last digit, and the working stopped at a remainder 0, a remainder
// seen before, or n digits.
inline std::vector<std::string> ExactWorking(std::int64_t p, std::int64_t q, int n) {
  std::vector<std::string> lines;
  const auto put = [&lines](const std::string& text, std::size_t column) {
    lines.push_back(std::string(column + 1 - text.size(), ' ') + text);
  };
  const std::size_t end = std::to_string(std::llabs(p)).size();
  // The minus inserted rather than concatenated: GCC 12 warns falsely about "-" + std::string.
  const auto minus = [](std::int64_t value) {
    std::string text = std::to_string(value);
    text.insert(text.begin(), '-');
    return text;
  };
  if (std::llabs(p) >= q) put(minus(std::llabs(p) / q * q), end);
  std::vector<std::int64_t> seen{std::llabs(p) % q};
  std::size_t column = end;
  for (int k = 0; k < n && seen.back() != 0; ++k) {
    const std::int64_t written = seen.back() * 10;
    put(std::to_string(written), ++column);
    put(minus(written / q * q), column);
    const bool again = std::count(seen.begin(), seen.end(), written % q) > 0;
    seen.push_back(written % q);
    if (again) break;
  }
  put(std::to_string(seen.back()), column);
  return lines;
}

// p/q (q > 0) as pupils write it exactly, from the remainders seen: «-0,41(6)», «0,125», «3».
inline std::string ExactNotation(std::int64_t p, std::int64_t q, const std::string& sep) {
  std::string digits;
  std::vector<std::int64_t> seen;
  std::int64_t rest = std::llabs(p) % q;
  while (rest != 0 && std::count(seen.begin(), seen.end(), rest) == 0) {
    seen.push_back(rest);
    digits += static_cast<char>('0' + rest * 10 / q);
    rest = rest * 10 % q;
  }
  std::string text = std::to_string(std::llabs(p) / q);
  if (p < 0) text.insert(text.begin(), '-');
  if (digits.empty()) return text;
  const auto from = static_cast<std::size_t>(
      rest == 0 ? digits.size() : std::find(seen.begin(), seen.end(), rest) - seen.begin());
  text += sep + digits.substr(0, from);
  return from < digits.size() ? text + "(" + digits.substr(from) + ")" : text;
}

}  // namespace drobi::testing
