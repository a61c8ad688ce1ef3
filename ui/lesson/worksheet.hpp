#pragma once

// The worksheet: per variant a page of tasks on its sixteen fractions, with lines for the
// pupil's name, class and date, then the variant's answer key on pages of its own, with each
// fraction's written division when asked for. Variants never share a page.

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/number_style.hpp"
#include "core/random_source.hpp"
#include "ui/lesson/sheet_pages.hpp"
#include "ui/main_form.hpp"

namespace drobi {

// A table's rows as its lists write them: p and q.
using TableTexts = std::vector<std::pair<std::string, std::string>>;

inline constexpr int kMostVariants = 40;
inline constexpr int kWorksheetSteps = 20;  // the key's written divisions stop there, with «…»

// The dialog's texts, with '&' before an access key.
inline constexpr const char* kWorksheetTitle = "Работен лист";
inline constexpr const char* kVariantsField = "Брой &варианти";
inline constexpr const char* kDigitsField = "Закръгляне до &цифри";
inline constexpr const char* kDivisionsOption = "&Деленията в отговорите";
inline constexpr const char* kPrintSheets = "&Печат…";
inline constexpr const char* kSavePdf = "Запази като &PDF…";
inline constexpr const char* kCloseSheets = "Затвори";

// Where the sheets go when saved, and why they could not go there.
inline constexpr const char* kSheetsFileFilter = "PDF (*.pdf)";
inline constexpr const char* kSheetsFileName = "работен-лист.pdf";
enum class SheetFailure {
  kNotOpened,      // no folder, a folder not to be written in, or a folder under the name
  kNotWritten,     // the writing stopped, say on a full disk: the file is as it was
  kNotReplaced,    // the new file could not take the old one's name
  kNotPrinted,     // the printer refused to begin, or the job
  kNoPrinter,      // none installed: nowhere to print, not even to a PDF
  kNoPrintDialog,  // the system's print dialog could not be shown
};
// The message, naming the file or the printer where it has one.
std::string SheetFailureText(SheetFailure failure, std::string_view name);

struct WorksheetOptions {
  int variants = 1;  // 1 to kMostVariants
  int digits = 4;    // the rounding task's places, 0 to 7
  bool divisions = false;
};

// The variants' tables: the form's own first, when it has one, then new tables drawn at the
// form's interval as a click on the interval list draws them, into lists of their own: the form
// is not touched.
std::vector<TableTexts> WorksheetTables(const MainForm& form, RandomSource& random, int variants);
// Tables drawn at `interval` alone, for a worksheet made without a window.
std::vector<TableTexts> DrawnTables(int interval, RandomSource& random, int variants);

SheetDocument WorksheetPages(const std::vector<TableTexts>& tables, const WorksheetOptions& options,
                             const NumberStyle& style);

// The key's line of a fraction: «1) 5/12 ≈ 0,4167; 5/12 = 0,41(6); безкрайна периодична».
std::string KeyLine(int number, const std::string& p, const std::string& q,
                    const std::string& rounded, const NumberStyle& style);

// A count typed into the dialog or given on the command line, in digits alone (blanks around
// it aside): the value, or the message that says what is right, «Броят варианти е от 1 до 40, а
// не „41“.»
std::variant<int, std::string> ReadVariants(std::string_view typed);
std::variant<int, std::string> ReadDigits(std::string_view typed);

// `drobi --worksheet FILE.pdf [--variants N] [--interval N] [--digits D]`.
struct WorksheetCommand {
  std::string file;
  int variants = 1;
  int interval = 20;
  int digits = 4;
};
// Whether the arguments (without the program's name) ask for a worksheet at all.
bool AsksForWorksheet(const std::vector<std::string>& arguments);
// The command, or the message that says what is wrong and what would be right.
std::variant<WorksheetCommand, std::string> ReadWorksheetCommand(
    const std::vector<std::string>& arguments);

}  // namespace drobi
