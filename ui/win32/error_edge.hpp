#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <utility>

#include "ui/error_report.hpp"

namespace drobi::win32 {

// The border between the window procedures and the form. A C++ exception must not unwind
// through a window procedure (the window system's own code lies between them), so every call
// into the form from a window procedure goes through Run(). The first error is reported, and
// the message loop is told to end with kExitStatus; from then on no call reaches the form,
// whose lists may be half written.
class ErrorEdge {
 public:
  using Reporter = std::function<void(const ErrorReport&)>;

  static constexpr int kExitStatus = 1;

  explicit ErrorEdge(Reporter reporter = {}) : reporter_(std::move(reporter)) {}

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
      const Nesting nesting(depth_);
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

  // Reports an error caught elsewhere (once) and ends the message loop.
  void Fail(const std::exception_ptr& error) noexcept;
  bool Failed() const { return failed_; }

 private:
  class Nesting {
   public:
    explicit Nesting(int& depth) : depth_(depth) { ++depth_; }
    ~Nesting() { --depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    int& depth_;
  };

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
  std::function<void()> settled_;
  std::function<void(bool)> hold_;
  int depth_ = 0;
  bool failed_ = false;
};

}  // namespace drobi::win32
