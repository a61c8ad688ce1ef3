#include "ui/web/error_edge.hpp"

namespace drobi::web {

void ErrorEdge::Fail(const std::exception_ptr& error) noexcept {
  if (failed_) return;
  failed_ = true;
  try {
    if (reporter_) reporter_(DescribeError(error));
  } catch (...) {  // the program has ended all the same
  }
}

}  // namespace drobi::web
