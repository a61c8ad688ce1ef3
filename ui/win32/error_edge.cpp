#include "ui/win32/error_edge.hpp"

#include <windows.h>

#include "core/runtime_error.hpp"

namespace drobi::win32 {

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

void ErrorEdge::Fail(const std::exception_ptr& error) noexcept {
  if (failed_) return;
  failed_ = true;
  // Showing the report runs a message loop of its own and may fail itself; the program ends
  // in any case.
  try {
    if (reporter_) reporter_(DescribeError(error));
  } catch (...) {
  }
  PostQuitMessage(kExitStatus);
}

}  // namespace drobi::win32
