#pragma once

#include <stdexcept>
#include <string>

namespace drobi {

// A run-time error raised by the number operations or the controls. The handlers never catch it:
// it travels back to whoever raised the event, which reports it and ends the program.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& message)
      : std::runtime_error(message), number_(number) {}

  int Number() const { return number_; }

 private:
  int number_;
};

// The error numbers a user sees in the report.
namespace error {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr int kInvalidArrayIndex = 381;
}  // namespace error

}  // namespace drobi
