#include "ui/web/sheet_dialog.hpp"

#include <optional>
#include <string>
#include <variant>

#include "core/number_text.hpp"
#include "ui/lesson/lesson_text.hpp"
#include "ui/web/dom_views.hpp"
#include "ui/web/split_title.hpp"
#include "ui/window_layout.hpp"

namespace drobi::web {
namespace {

// The dialog's fields, as drobi_dom_sheet_message names them.
constexpr int kVariants = 0, kDigits = 1;

}  // namespace

SheetDialog::SheetDialog(const MainForm& form) : form_(form) { random_.Randomize(); }

void SheetDialog::Open() const {
  const ListBox& digits = form_.Spis[kDecimalDigits];
  const auto selected =
      digits.ListIndex() >= 0 ? WholeFromText(digits.List(digits.ListIndex())) : std::nullopt;
  const std::string parts = Joined(Split(kVariantsField)) + Joined(Split(kDigitsField)) +
                            Joined(Split(kDivisionsOption)) + Joined(Split(kPrintSheets));
  drobi_dom_show_sheet(kWorksheetTitle, parts.c_str(), kCloseSheets, last_.variants,
                       static_cast<int>(selected.value_or(4)), last_.divisions ? 1 : 0);
}

void SheetDialog::Print(std::string_view variants, std::string_view digits, bool divisions) {
  const auto count = ReadVariants(variants);
  if (const auto* message = std::get_if<std::string>(&count)) {
    drobi_dom_sheet_message(kVariants, message->c_str());
    return;
  }
  const auto places = ReadDigits(digits);
  if (const auto* message = std::get_if<std::string>(&places)) {
    drobi_dom_sheet_message(kDigits, message->c_str());
    return;
  }
  last_ = {std::get<int>(count), std::get<int>(places), divisions};
  const SheetDocument document =
      WorksheetPages(WorksheetTables(form_, random_, last_.variants), last_, form_.Style());
  // The form's serif and the written division's fixed-width font, each with the free font that
  // has its metrics, which the layout reckons with.
  const std::string serif =
      "\"" + std::string(MainWindowLayout().font_family) + "\", \"Liberation Serif\", serif";
  const std::string fixed =
      "\"" + std::string(kLessonFontFamily) + "\", \"Liberation Mono\", monospace";
  drobi_dom_sheet_begin(document.width, document.height, serif.c_str(), fixed.c_str());
  for (const SheetPage& page : document.pages) {
    drobi_dom_sheet_page();
    for (const PageRun& run : page.runs) {
      drobi_dom_sheet_run(run.x, run.y, run.text.c_str(), run.font == PageFont::kFixed ? 1 : 0,
                          run.size, run.bold ? 1 : 0);
    }
    for (const PageRule& rule : page.rules) {
      drobi_dom_sheet_rule(rule.x1, rule.y1, rule.x2, rule.y2, rule.width);
    }
  }
  drobi_dom_sheet_message(-1, "");
  drobi_dom_print_sheet();
}

}  // namespace drobi::web
