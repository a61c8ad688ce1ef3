#include "ui/form_edge.hpp"

namespace drobi {

void FormEdge::Fail(const std::exception_ptr& error) noexcept {
  if (failed_) return;
  failed_ = true;
  // Showing the report may run an event loop of its own and may fail itself; the program ends
  // in any case.
  try {
    if (reporter_) reporter_(DescribeError(error));
  } catch (...) {
  }
  try {
    if (ended_) ended_();
  } catch (...) {
  }
}

}  // namespace drobi
