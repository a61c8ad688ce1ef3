#pragma once

#include <exception>
#include <functional>
#include <utility>

#include "ui/error_report.hpp"

namespace drobi::web {

// The border between the browser's events and the form. An exception must not leave the
// WebAssembly module into the browser's event loop, so every call into the form goes through
// Run(). The first error is reported and the program has ended: from then on no call reaches the
// form, whose lists may be half written.
class ErrorEdge {
 public:
  using Reporter = std::function<void(const ErrorReport&)>;

  explicit ErrorEdge(Reporter reporter) : reporter_(std::move(reporter)) {}

  // Called when a call into the form has ended well, after the outermost one only: the page then
  // shows the rows that the handlers wrote, in one go. An error it throws is the call's.
  void SetSettled(std::function<void()> settled) { settled_ = std::move(settled); }

  // True when the action ran to its end.
  template <typename Action>
  bool Run(Action&& action) noexcept {
    if (failed_) return false;
    std::exception_ptr error;
    try {
      const Nesting nesting(depth_);
      action();
      if (depth_ == 1 && settled_) settled_();
      return true;
    } catch (...) {
      error = std::current_exception();
    }
    Fail(error);
    return false;
  }

  // Reports an error (the first only); the form takes no more calls.
  void Fail(const std::exception_ptr& error) noexcept;
  bool Failed() const { return failed_; }

 private:
  // Counts the calls into the form that are running, however each ends.
  class Nesting {
   public:
    explicit Nesting(int& depth) : depth_(depth) { ++depth_; }
    ~Nesting() { --depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    int& depth_;
  };

  Reporter reporter_;
  std::function<void()> settled_;
  int depth_ = 0;
  bool failed_ = false;
};

}  // namespace drobi::web
