#pragma once

#include <windows.h>

#include <exception>
#include <utility>

#include "ui/form_edge.hpp"

namespace drobi::win32 {

// The form's edge for the window procedures: a C++ exception must not unwind through a window
// procedure (the window system's own code lies between them). The first error is reported, and
// the message loop is told to end with kExitStatus.
class ErrorEdge : public FormEdge {
 public:
  static constexpr int kExitStatus = 1;

  explicit ErrorEdge(Reporter reporter = {})
      : FormEdge(std::move(reporter), [] { PostQuitMessage(kExitStatus); }) {}

  // A window procedure's work: what `handle` returns, or, when an error escapes it, what
  // `fallback` (the window system's default handling of the message) returns after the error
  // was reported. Unlike Run(), the messages keep being handled after an error.
  template <typename Handle, typename Fallback>
  LRESULT Answer(Handle&& handle, Fallback&& fallback) noexcept {
    std::exception_ptr error;
    try {
      return handle();
    } catch (...) {
      error = std::current_exception();
    }
    Fail(error);
    return fallback();
  }
};

}  // namespace drobi::win32
