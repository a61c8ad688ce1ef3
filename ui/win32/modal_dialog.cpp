#include "ui/win32/modal_dialog.hpp"

#include <vector>

#include "ui/win32/dialog_template.hpp"

namespace drobi::win32 {

bool ModalDialog::Show(const char* title, short width, short height) {
  if (!dialog_) {
    const std::vector<WORD> form = DialogTemplate(title, width, height);
    // WM_INITDIALOG has taken the dialog into dialog_ by the time it returns.
    if (CreateDialogIndirectParamW(
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE)),
            reinterpret_cast<const DLGTEMPLATE*>(form.data()), owner_, Procedure,
            reinterpret_cast<LPARAM>(this)) == nullptr) {
      static_cast<void>(dialog_.release());  // it is gone already, if it was made at all
      return false;
    }
    EnableWindow(owner_, FALSE);  // modal: the table waits until the dialog has closed
    ShowWindow(dialog_.get(), SW_SHOW);
  }
  SetForegroundWindow(dialog_.get());
  return true;
}

void ModalDialog::Close() {
  if (!dialog_) return;
  EnableWindow(owner_, TRUE);  // before the dialog goes, so that the owner is activated again
  // The messages of its going find no dialog object: it may be half destroyed by now.
  SetWindowLongPtrW(dialog_.get(), GWLP_USERDATA, 0);
  dialog_.reset();
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, GWLP_USERDATA, l);
  auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
  if (self == nullptr) return FALSE;
  if (message == WM_INITDIALOG) {
    self->dialog_.reset(dialog);  // before CreateDialogIndirectParamW returns it
    return self->edge_.Answer(
        [self] {
          self->CreateControls();
          return LRESULT{FALSE};  // the focus is given when the dialog is shown
        },
        [] { return LRESULT{TRUE}; });
  }
  return self->edge_.Answer([&] { return static_cast<LRESULT>(self->OnMessage(message, w)); },
                            [] { return LRESULT{FALSE}; });
}

}  // namespace drobi::win32
