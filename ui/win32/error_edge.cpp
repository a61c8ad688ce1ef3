#include "ui/win32/error_edge.hpp"

#include <windows.h>

namespace drobi::win32 {

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
