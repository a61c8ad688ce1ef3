#pragma once

#include <windows.h>

#include <functional>

#include "ui/lesson/fraction_entry.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/modal_dialog.hpp"

namespace drobi::win32 {

// «Въведете дроб»: one field, «Добре» (Enter) and «Отказ» (Escape). What is typed is read once by
// ReadFraction; a message keeps the dialog open with the text as typed and is shown in it, a
// fraction is handed to `accept` and the dialog closes.
class FractionDialog : public ModalDialog {
 public:
  static constexpr int kFieldId = 101;
  static constexpr int kMessageId = 102;

  FractionDialog(HWND owner, ErrorEdge& edge, std::function<void(const EnteredFraction&)> accept);
  ~FractionDialog() override;

  // Opens it with an empty field, or brings it to the front when it is open.
  void Open();

 private:
  INT_PTR OnMessage(UINT message, WPARAM w) override;
  void CreateControls() override;
  void Accept();

  std::function<void(const EnteredFraction&)> accept_;
};

}  // namespace drobi::win32
