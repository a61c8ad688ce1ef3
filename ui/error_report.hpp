#pragma once

// What the user is told when a run-time error escapes a handler; each window shows it in a
// message box of its own and then ends the program.

#include <exception>
#include <string>

namespace drobi {

struct ErrorReport {
  int number = 0;  // the run-time error's number; 0 when the error carries none
  std::string text;
};

// Turns whatever was thrown into the number and text the user sees.
ErrorReport DescribeError(const std::exception_ptr& error) noexcept;

// What the error box says of a run-time error that escaped a handler, given its number (0 for
// none) and text: «Грешка при изпълнение 11:» and the text on a line of its own.
std::string ErrorMessage(int number, const std::string& text);
// The error box's second line: the program ends once the box is closed.
inline constexpr const char* kErrorEnding = "Програмата ще бъде затворена.";

}  // namespace drobi
