#pragma once

// What the page's worksheet dialog says that the lesson layer has no text for: a number typed
// outside its range. Kept here in one place, worded as the command line's messages are.

#include <string>
#include <string_view>

namespace drobi::web {

inline constexpr const char* kVariantsRange = "Броят варианти е от 1 до 40";
inline constexpr const char* kDigitsRange = "Цифрите са от 0 до 7";

// The range, and what was typed in quotes where it is short enough to quote.
inline std::string OutOfRange(const char* range, std::string_view typed) {
  if (typed.empty() || typed.size() > 12) return std::string(range) + ".";
  return std::string(range) + ", а не „" + std::string(typed) + "“.";
}

}  // namespace drobi::web
