#pragma once

#include <windows.h>

#include <functional>

#include "ui/lesson/fraction_entry.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/handles.hpp"

namespace drobi::win32 {

// «Въведете дроб»: one field, «Добре» (Enter) and «Отказ» (Escape). What is typed is read once by
// ReadFraction; a message keeps the dialog open with the text as typed and is shown in it, a
// fraction is handed to `accept` and the dialog closes. It is modal to its owner, which is
// disabled while it is open, but runs in the program's own message loop (PreTranslate), so that
// nothing else waits on it.
class FractionDialog {
 public:
  static constexpr int kFieldId = 101;
  static constexpr int kMessageId = 102;

  FractionDialog(HWND owner, ErrorEdge& edge, std::function<void(const EnteredFraction&)> accept);
  ~FractionDialog();
  FractionDialog(const FractionDialog&) = delete;
  FractionDialog& operator=(const FractionDialog&) = delete;

  // Opens it with an empty field, or brings it to the front when it is open.
  void Open();
  bool IsOpen() const { return dialog_ != nullptr; }
  HWND Handle() const { return dialog_.get(); }
  // The dialog's keys (Enter, Escape, Tab); true when the message was for it.
  bool PreTranslate(const MSG& message) const {
    MSG copy = message;  // IsDialogMessageW takes it to change, but reads it only
    return dialog_ && IsDialogMessageW(dialog_.get(), &copy) != 0;
  }

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM w, LPARAM l);
  INT_PTR OnMessage(UINT message, WPARAM w);
  void CreateControls();
  void Accept();
  void Close();

  HWND owner_;
  ErrorEdge& edge_;
  std::function<void(const EnteredFraction&)> accept_;
  Window dialog_;
};

}  // namespace drobi::win32
