#pragma once

#include <string_view>

#include "core/random_source.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/main_form.hpp"

namespace drobi::web {

// «Работен лист»: a modal dialog for the number of variants, the rounding's digits and whether
// the key shows the written divisions. «Печат…» lays the sheet out in the document as
// WorksheetPages gives it, an A4 picture per page that only the print style sheet shows, and asks
// the browser to print it; its print dialog also saves it as a PDF. The dialog stays open for
// another print until Escape or «Затвори».
class SheetDialog {
 public:
  explicit SheetDialog(const MainForm& form);

  // Opens with the digits of the form's 0–7 list and the last sheet's variants and divisions.
  // Reads the form: run it through the page's FormEdge, as Print.
  void Open() const;
  // What the fields hold: the sheet printed, or the message for the field that is wrong; the
  // new variants' tables are drawn at the form's interval.
  void Print(std::string_view variants, std::string_view digits, bool divisions);

 private:
  const MainForm& form_;
  // The new variants' tables, drawn apart from the form's own draws.
  ClockRandomSource random_;
  WorksheetOptions last_;
};

}  // namespace drobi::web
