#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/annotations.hpp"

namespace drobi::win32 {

// A line of a view that a screen reader hears in other words than it shows (the task, the
// verdict, the count): a STATIC control, wrapping its text, whose accessible name is the spoken
// form. A change is told to a screen reader when it is announced; an `alert` line is read out
// then wherever the focus is. The control goes with its parent.
class SpokenLine {
 public:
  SpokenLine(HWND parent, int id, Annotations& annotations, bool alert);
  SpokenLine(const SpokenLine&) = delete;
  SpokenLine& operator=(const SpokenLine&) = delete;

  HWND Handle() const { return control_; }
  void Tell(const std::string& shown, const std::string& spoken, bool announce);

 private:
  HWND control_;
  Annotations& annotations_;
  bool alert_;
  std::wstring spoken_;
};

}  // namespace drobi::win32
