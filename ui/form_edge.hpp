#pragma once

#include <exception>
#include <functional>
#include <utility>

#include "ui/error_report.hpp"

namespace drobi {

// Counts the calls into the form that are running, however each ends.
class CallNesting {
 public:
  explicit CallNesting(int& depth) : depth_(depth) { ++depth_; }
  ~CallNesting() { --depth_; }
  CallNesting(const CallNesting&) = delete;
  CallNesting& operator=(const CallNesting&) = delete;

 private:
  int& depth_;
};

// The border between a window system's events and the form, for a window system through whose
// own code an exception must not pass (a window procedure, the browser's event loop). Every call
// into the form goes through Run(). The first error is reported and the program has ended: from
// then on no call reaches the form, whose lists may be half written.
class FormEdge {
 public:
  using Reporter = std::function<void(const ErrorReport&)>;

  // `ended` is called once after the first error has been reported, to end the program.
  explicit FormEdge(Reporter reporter = {}, std::function<void()> ended = {})
      : reporter_(std::move(reporter)), ended_(std::move(ended)) {}

  void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }
  // Called when a call into the form has ended well, after the outermost one only, for what the
  // window shows of the lists as a whole; an error it throws is the call's.
  void SetSettled(std::function<void()> settled) { settled_ = std::move(settled); }
  // Called with true before the outermost call into the form and with false after it, also when
  // it fails, so that the window can hold back its redrawing until a handler has written all its
  // rows; it must not throw.
  void SetHold(std::function<void(bool)> hold) { hold_ = std::move(hold); }

  // True when the action ran to its end.
  template <typename Action>
  bool Run(Action&& action) noexcept {
    if (failed_) return false;
    std::exception_ptr error;
    try {
      const CallNesting nesting(depth_);
      {
        const Held held(depth_ == 1 && hold_ ? &hold_ : nullptr);
        action();
      }
      if (depth_ == 1 && settled_) settled_();
      return true;
    } catch (...) {
      error = std::current_exception();
    }
    Fail(error);
    return false;
  }

  // Reports an error caught elsewhere (the first only) and ends the program.
  void Fail(const std::exception_ptr& error) noexcept;
  bool Failed() const { return failed_; }

 private:
  class Held {
   public:
    explicit Held(const std::function<void(bool)>* hold) : hold_(hold) {
      if (hold_ != nullptr) (*hold_)(true);
    }
    ~Held() {
      if (hold_ != nullptr) (*hold_)(false);
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

   private:
    const std::function<void(bool)>* hold_;
  };

  Reporter reporter_;
  std::function<void()> ended_;
  std::function<void()> settled_;
  std::function<void(bool)> hold_;
  int depth_ = 0;
  bool failed_ = false;
};

}  // namespace drobi
