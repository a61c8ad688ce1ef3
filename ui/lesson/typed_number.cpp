#include "ui/lesson/typed_number.hpp"

#include <algorithm>
#include <optional>
#include <vector>

namespace drobi {
namespace {

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

}  // namespace

std::string_view Shown(std::string_view typed) {
  const std::size_t first = typed.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
}

std::string Trimmed(std::string digits) {
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  return digits;
}

std::variant<TypedNumber, Unread> ReadNumber(std::string_view typed) {
  if (typed.size() > kMostTypedBytes) return Unread::kTooLong;
  if (Shown(typed).empty()) return Unread::kEmpty;
  const auto tokens = Tokens(typed);
  if (!tokens) return Unread::kNotUnderstood;
  std::size_t at = 0;
  const auto next = [&](Kind kind) {
    if (at < tokens->size() && (*tokens)[at].kind == kind) return &(*tokens)[at++];
    return static_cast<const Token*>(nullptr);
  };
  const auto at_end = [&] { return at == tokens->size(); };

  TypedNumber number;
  const Token* sign = next(Kind::kSign);
  number.negative = sign != nullptr && sign->negative;
  const Token* whole = next(Kind::kDigits);
  if (whole == nullptr) return Unread::kNotUnderstood;
  number.whole = whole->digits;
  if (next(Kind::kSlash) != nullptr) {
    if (const Token* minus = next(Kind::kSign))
      number.negative = number.negative != minus->negative;
    const Token* below = next(Kind::kDigits);
    if (below == nullptr || !at_end()) return Unread::kNotUnderstood;
    number.fraction = true;
    number.below = below->digits;
    return number;
  }
  if (next(Kind::kSeparator) != nullptr) {
    if (const Token* digits = next(Kind::kDigits)) number.pre = digits->digits;
    if (next(Kind::kOpen) != nullptr) {
      const Token* digits = next(Kind::kDigits);
      const bool closed = next(Kind::kClose) != nullptr;
      if (digits == nullptr && closed) return Unread::kEmptyPeriod;
      if (digits == nullptr || !closed) {
        return at_end() ? Unread::kUnclosedPeriod : Unread::kNotUnderstood;
      }
      number.period = digits->digits;
    } else if (number.pre.empty()) {
      return Unread::kNotUnderstood;
    }
  }
  if (!at_end()) return Unread::kNotUnderstood;
  return number;
}

}  // namespace drobi
