#include "ui/error_report.hpp"

#include "core/runtime_error.hpp"

namespace drobi {

ErrorReport DescribeError(const std::exception_ptr& error) noexcept {
  try {
    try {
      if (error) std::rethrow_exception(error);
      return {};
    } catch (const RuntimeError& e) {
      return {e.Number(), e.what()};
    } catch (const std::exception& e) {
      return {0, e.what()};
    } catch (...) {
      return {};
    }
  } catch (...) {  // copying the text ran out of memory: the report says no more than that
    return {};
  }
}

std::string ErrorMessage(int number, const std::string& text) {
  if (number != 0) return "Грешка при изпълнение " + std::to_string(number) + ":\n" + text;
  return "Грешка при изпълнение:\n" + (text.empty() ? std::string("неизвестна грешка") : text);
}

}  // namespace drobi
