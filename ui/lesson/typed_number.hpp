#pragma once

// What a pupil or a teacher types as a number, read once for its form: a fraction «p/q», a whole
// number, or a decimal with its period in parentheses, with a comma or a point. Only the form is
// read here; what the number may be is for its reader to say.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace drobi {

struct TypedNumber {
  bool negative = false;  // a sign before p, and a minus before q, counted together
  std::string whole;      // the digits before the slash or the separator
  bool fraction = false;  // «p/q»: `below` holds q's digits
  std::string below;
  std::string pre, period;  // a decimal's digits after the separator, the period's in parentheses
};

// Why a text is not a number.
enum class Unread { kEmpty, kTooLong, kNotUnderstood, kUnclosedPeriod, kEmptyPeriod };

// Longer texts are refused before they are read: room for a period of two hundred digits.
inline constexpr std::size_t kMostTypedBytes = 256;

// Blanks are allowed between the parts, never inside a run of digits; the signs are «-», «−» and
// «+».
std::variant<TypedNumber, Unread> ReadNumber(std::string_view typed);

// The text without the blanks around it, as a message quotes it.
std::string_view Shown(std::string_view typed);

// The digits without their leading zeros, one zero left of «000».
std::string Trimmed(std::string digits);

}  // namespace drobi
