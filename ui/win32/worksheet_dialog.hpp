#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <variant>

#include "core/random_source.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/modal_dialog.hpp"

namespace drobi::win32 {

// «Работен лист»: the number of variants (1 to 40, an edit with an up-down control), the rounding
// task's digits (0 to 7, the form's own choice at first), whether the key shows the written
// divisions, «Печат…» (Enter) and «Затвори» (Escape). «Печат…» asks the system's print dialog for
// a printer and prints every variant's pages as one job; a cancel there leaves all as it was, and a
// count typed out of its range or a print that cannot be made is told in a message box, the
// dialog staying open as it was. Variant 1 is the
// form's table, the others are drawn anew for each print; the form is only read.
class WorksheetDialog : public ModalDialog {
 public:
  static constexpr int kVariantsId = 201;
  static constexpr int kVariantStepsId = 202;
  static constexpr int kDigitsId = 203;
  static constexpr int kDivisionsId = 204;
  static constexpr int kPrintId = IDOK;

  WorksheetDialog(HWND owner, const MainForm& form, ErrorEdge& edge);
  ~WorksheetDialog() override;

  // Opens it with the form's digits, or brings it to the front when it is open.
  void Open();
  // What the fields ask for now, or what is wrong with the number of variants typed.
  std::variant<WorksheetOptions, std::string> Options() const;

 private:
  struct GlobalRelease {
    void operator()(void* memory) const noexcept { GlobalFree(memory); }
  };
  // The printer and its settings as the print dialog left them, offered again the next time.
  using Global = std::unique_ptr<void, GlobalRelease>;

  INT_PTR OnMessage(UINT message, WPARAM w) override;
  void CreateControls() override;
  void Print();
  void Tell(SheetFailure failure) const;
  void Tell(const std::string& message) const;
  // The chosen printer's name, as the print dialog's settings hold it; "" before one is chosen.
  std::wstring PrinterName() const;

  const MainForm& form_;
  ClockRandomSource random_;
  Global devmode_, devnames_;
};

}  // namespace drobi::win32
