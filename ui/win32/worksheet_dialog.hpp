#pragma once

#include <windows.h>

#include <memory>

#include "core/random_source.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/handles.hpp"

namespace drobi::win32 {

// «Работен лист»: the number of variants (1 to 40, an edit with an up-down control), the rounding
// task's digits (0 to 7, the form's own choice at first), whether the key shows the written
// divisions, «Печат…» (Enter) and «Затвори» (Escape). «Печат…» asks the system's print dialog for
// a printer and prints every variant's pages as one job; a cancel there leaves all as it was, and a
// print that cannot be made is told in a message box, the dialog staying open. Variant 1 is the
// form's table, the others are drawn anew for each print; the form is only read. Modal to its owner
// as «Въведете дроб» is, in the program's own message loop (PreTranslate).
class WorksheetDialog {
 public:
  static constexpr int kVariantsId = 201;
  static constexpr int kVariantStepsId = 202;
  static constexpr int kDigitsId = 203;
  static constexpr int kDivisionsId = 204;
  static constexpr int kPrintId = IDOK;

  WorksheetDialog(HWND owner, const MainForm& form, ErrorEdge& edge);
  ~WorksheetDialog();
  WorksheetDialog(const WorksheetDialog&) = delete;
  WorksheetDialog& operator=(const WorksheetDialog&) = delete;

  // Opens it with the form's digits, or brings it to the front when it is open.
  void Open();
  bool IsOpen() const { return dialog_ != nullptr; }
  HWND Handle() const { return dialog_.get(); }
  bool PreTranslate(const MSG& message) const {
    MSG copy = message;  // IsDialogMessageW takes it to change, but reads it only
    return dialog_ && IsDialogMessageW(dialog_.get(), &copy) != 0;
  }
  // What the fields ask for now, a number of variants out of range brought into it.
  WorksheetOptions Options() const;

 private:
  struct GlobalRelease {
    void operator()(void* memory) const noexcept { GlobalFree(memory); }
  };
  // The printer and its settings as the print dialog left them, offered again the next time.
  using Global = std::unique_ptr<void, GlobalRelease>;

  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM w, LPARAM l);
  INT_PTR OnMessage(UINT message, WPARAM w);
  void CreateControls();
  void Print();
  void Tell(SheetFailure failure) const;
  // The chosen printer's name, as the print dialog's settings hold it; "" before one is chosen.
  std::wstring PrinterName() const;
  void Close();

  HWND owner_;
  const MainForm& form_;
  ErrorEdge& edge_;
  ClockRandomSource random_;
  Global devmode_, devnames_;
  Window dialog_;
};

}  // namespace drobi::win32
