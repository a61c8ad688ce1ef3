#include "ui/lesson/sheet_pages.hpp"

#include "ui/lesson/lesson_text.hpp"

namespace drobi {

double RunWidth(const PageRun& run) {
  // Times New Roman's digits are half an em and its Cyrillic letters a little less on the mean;
  // capitals and «ш», «ж», «м» are wider, so the serif reckons 0.55.
  const double em = run.font == PageFont::kFixed ? 0.6 : 0.55;
  return CharCount(run.text) * em * run.size;
}

std::string PageText(const SheetDocument& document) {
  std::string text;
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0) text += '\f';
    for (const PageRun& run : document.pages[i].runs) text += run.text + "\n";
  }
  return text;
}

}  // namespace drobi
