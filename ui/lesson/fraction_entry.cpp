#include "ui/lesson/fraction_entry.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/number_text.hpp"
#include "ui/decimal_column.hpp"

namespace drobi {
namespace {

constexpr long long kMostNumerator = 999'999;
constexpr long long kMostDenominator = 32'767;
constexpr const char* kExamples = "например 5/12, -22/7, 0,125 или 0,1(6)";

enum class Kind { kSign, kDigits, kSlash, kSeparator, kOpen, kClose };

struct Token {
  Kind kind;
  std::string digits;     // kDigits
  bool negative = false;  // kSign
};

// The parts of what was typed; nothing where a character belongs to no part. Blanks only part
// them: two runs of digits with a blank between stay two tokens, which no form accepts.
std::optional<std::vector<Token>> Tokens(std::string_view text) {
  std::vector<Token> tokens;
  bool apart = true;  // a blank or another part since the last digit
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const std::string_view rest = text.substr(i);
    if (c == ' ' || c == '\t') {
      apart = true;
    } else if (rest.starts_with("\u00A0") || rest.starts_with("\u2212")) {
      if (rest.starts_with("\u2212")) tokens.push_back({Kind::kSign, {}, true});
      i += rest.starts_with("\u00A0") ? 1 : 2;
      apart = true;
    } else if (c >= '0' && c <= '9') {
      if (apart) tokens.push_back({Kind::kDigits, {}, false});
      tokens.back().digits += c;
      apart = false;
      continue;
    } else if (c == '-' || c == '+') {
      tokens.push_back({Kind::kSign, {}, c == '-'});
    } else if (c == '/') {
      tokens.push_back({Kind::kSlash, {}, false});
    } else if (c == ',' || c == '.') {
      tokens.push_back({Kind::kSeparator, {}, false});
    } else if (c == '(' || c == ')') {
      tokens.push_back({c == '(' ? Kind::kOpen : Kind::kClose, {}, false});
    } else {
      return std::nullopt;
    }
    apart = true;
  }
  return tokens;
}

std::string Trimmed(std::string digits) {
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  return digits;
}

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

// The decimal whole,pre(period) as a fraction in lowest terms, or the message to show.
std::variant<EnteredFraction, std::string> FromDecimal(bool negative, std::string whole,
                                                       std::string pre, std::string period,
                                                       std::string_view shown) {
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

}  // namespace

std::variant<EnteredFraction, std::string> ReadFraction(std::string_view typed) {
  if (typed.size() > kMostTypedBytes) {
    return std::string("Текстът е твърде дълъг: напишете една дроб, ") + kExamples + ".";
  }
  const std::size_t first = typed.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::string("Напишете дроб, ") + kExamples + ".";
  const std::string_view shown = typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
  const std::string not_understood =
      "Не разбирам „" + std::string(shown) + "“ — напишете например 5/12, -22/7, 0,125 или 0,1(6).";
  const auto tokens = Tokens(typed);
  if (!tokens) return not_understood;
  std::size_t at = 0;
  const auto next = [&](Kind kind) {
    if (at < tokens->size() && (*tokens)[at].kind == kind) return &(*tokens)[at++];
    return static_cast<const Token*>(nullptr);
  };
  const auto at_end = [&] { return at == tokens->size(); };

  const Token* sign = next(Kind::kSign);
  bool negative = sign != nullptr && sign->negative;
  const Token* whole = next(Kind::kDigits);
  if (whole == nullptr) return not_understood;
  if (next(Kind::kSlash) != nullptr) {
    if (const Token* minus = next(Kind::kSign)) negative = negative != minus->negative;
    const Token* below = next(Kind::kDigits);
    if (below == nullptr || !at_end()) return not_understood;
    const auto p = Value(whole->digits, kMostNumerator);
    if (!p) return TooLargeNumerator(Trimmed(whole->digits));
    const auto q = Value(below->digits, kMostDenominator);
    if (q && *q == 0)
      return std::string("На 0 не се дели: знаменателят трябва да е от 1 до 32 767.");
    if (!q) {
      return "Знаменателят трябва да е от 1 до 32 767, а не " + Trimmed(below->digits) + ".";
    }
    return EnteredFraction{negative ? -*p : *p, *q};
  }
  std::string pre, period;
  if (next(Kind::kSeparator) != nullptr) {
    if (const Token* digits = next(Kind::kDigits)) pre = digits->digits;
    if (next(Kind::kOpen) != nullptr) {
      const Token* digits = next(Kind::kDigits);
      const bool closed = next(Kind::kClose) != nullptr;
      if (digits == nullptr && closed) {
        return std::string("Периодът в скобите е празен: напишете например 0,1(6).");
      }
      if (digits == nullptr || !closed) {
        if (at_end())
          return std::string("Липсва затварящата скоба на периода: напишете например 0,1(6).");
        return not_understood;
      }
      period = digits->digits;
    } else if (pre.empty()) {
      return not_understood;
    }
  }
  if (!at_end()) return not_understood;
  return FromDecimal(negative, whole->digits, pre, period, shown);
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
