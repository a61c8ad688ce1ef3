#pragma once

#include <windows.h>

#include "ui/win32/error_edge.hpp"
#include "ui/win32/handles.hpp"

namespace drobi::win32 {

// A dialog of ours, modal to its owner, which is disabled while it is open, but run in the
// program's own message loop (PreTranslate), so that nothing else waits on it. Its controls are
// made in WM_INITDIALOG from a template with none; every message runs through the window's edge,
// and none reaches a derived class once the dialog is closing.
class ModalDialog {
 public:
  ModalDialog(HWND owner, ErrorEdge& edge) : owner_(owner), edge_(edge) {}
  virtual ~ModalDialog() { Close(); }
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  bool IsOpen() const { return dialog_ != nullptr; }
  HWND Handle() const { return dialog_.get(); }
  // The dialog's keys (Enter, Escape, Tab); true when the message was for it.
  bool PreTranslate(const MSG& message) const {
    MSG copy = message;  // IsDialogMessageW takes it to change, but reads it only
    return dialog_ && IsDialogMessageW(dialog_.get(), &copy) != 0;
  }

 protected:
  // Makes the dialog, `width` × `height` dialog units, and shows it, or brings it to the front
  // when it is open; false when it could not be made.
  bool Show(const char* title, short width, short height);
  void Close();

 private:
  virtual void CreateControls() = 0;
  virtual INT_PTR OnMessage(UINT message, WPARAM w) = 0;
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM w, LPARAM l);

  HWND owner_;
  ErrorEdge& edge_;
  Window dialog_;
};

}  // namespace drobi::win32
