#pragma once

#include <exception>
#include <functional>
#include <utility>

#include "ui/error_report.hpp"
#include "ui/form_edge.hpp"

namespace drobi {

// The border between Qt's event loop and the form's handlers. The handlers catch nothing, so
// every slot that calls into the form runs its call through Run(): an exception is reported and
// the program ends, instead of crossing Qt's event loop (which Qt does not allow). After a failure
// no further call reaches the form, because its lists may be half written.
class ErrorEdge {
 public:
  using Reporter = std::function<void(const ErrorReport&)>;
  using Ending = std::function<void(int exit_status)>;

  static constexpr int kExitStatus = 1;

  ErrorEdge(Reporter reporter, Ending ending);

  void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }
  void SetEnding(Ending ending) { ending_ = std::move(ending); }
  // Called when a call into the form has ended well, after the outermost one only, for the views
  // that show the form as a whole; an error it throws is the call's.
  void SetSettled(std::function<void()> settled) { settled_ = std::move(settled); }

  template <typename Action>
  void Run(Action&& action) noexcept {
    if (failed_) return;
    try {
      const CallNesting nesting(depth_);
      action();
      if (depth_ == 1 && settled_) settled_();
    } catch (...) {
      Fail(std::current_exception());
    }
  }

  bool Failed() const { return failed_; }

 private:
  void Fail(std::exception_ptr error) noexcept;

  Reporter reporter_;
  Ending ending_;
  std::function<void()> settled_;
  int depth_ = 0;
  bool failed_ = false;
};

// Leaves Qt's event loop with the given status; when no loop runs yet, the next one that starts
// ends at once, so the program cannot go on after a failure either way.
void EndEventLoop(int exit_status);

}  // namespace drobi
