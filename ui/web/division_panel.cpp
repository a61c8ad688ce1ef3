#include "ui/web/division_panel.hpp"

#include <algorithm>

#include "ui/lesson/close_title.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/lesson/written_division.hpp"
#include "ui/web/css_colour.hpp"
#include "ui/web/dom_views.hpp"

namespace drobi::web {
namespace {

// Line `line` of `text` as runs for drobi_dom_division_line: cut wherever a mark starts or ends,
// each run with the look of the marks that cover it. Marks may overlap (the selected step within
// the period): the tint of the later mark lies on top, and the underline and bold of all show.
std::string RunsOf(const LessonText& text, int line) {
  const std::string& chars = text.lines[static_cast<std::size_t>(line)];
  std::vector<std::size_t> at;  // the byte of each character, and the end
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if ((static_cast<unsigned char>(chars[i]) & 0xC0) != 0x80) at.push_back(i);
  }
  at.push_back(chars.size());
  const int count = static_cast<int>(at.size()) - 1;
  std::vector<int> cuts{0, count};
  for (const MarkedSpan& mark : text.marks) {
    if (mark.line != line) continue;
    cuts.push_back(std::clamp(mark.first, 0, count));
    cuts.push_back(std::clamp(mark.first + mark.count, 0, count));
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  std::string runs;
  for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
    const int from = cuts[k], to = cuts[k + 1];
    std::string tint;
    bool underline = false, bold = false;
    for (const MarkedSpan& mark : text.marks) {
      if (mark.line != line || mark.first > from || mark.first + mark.count < to) continue;
      const MarkLook look = LookOf(mark.role);
      tint = CssColour(look.tint);
      underline = underline || look.underline;
      bold = bold || look.bold;
    }
    const std::size_t first = at[static_cast<std::size_t>(from)];
    runs += tint + (underline ? "u" : "") + (bold ? "b" : "") + '\x1f' +
            chars.substr(first, at[static_cast<std::size_t>(to)] - first) + '\x1f';
  }
  return runs;
}

}  // namespace

DivisionPanel::DivisionPanel(const MainForm& form, int opener) : form_(form) {
  const std::string fonts = "\"" + std::string(kLessonFontFamily) + "\", monospace";
  drobi_dom_make_division(kDivisionViewTitle, kCloseTitle, fonts.c_str(), opener,
                          static_cast<int>(CommandId::kDivisionView));
}

void DivisionPanel::Open() {
  open_ = true;
  drobi_dom_show_division(1);
}

void DivisionPanel::Close() {
  open_ = false;
  drobi_dom_show_division(0);
}

void DivisionPanel::Settle() {
  if (!open_) return;
  LessonText now = WrittenDivisionOf(form_);
  if (now == shown_) return;
  const std::size_t written = runs_.size();
  runs_.resize(now.lines.size());
  for (std::size_t i = 0; i < now.lines.size(); ++i) {
    std::string runs = RunsOf(now, static_cast<int>(i));
    if (i < written && runs == runs_[i]) continue;
    drobi_dom_division_line(static_cast<int>(i), runs.c_str());
    runs_[i] = std::move(runs);
  }
  drobi_dom_division_end(static_cast<int>(now.lines.size()), now.Joined().c_str());
  shown_ = std::move(now);
}

void DivisionPanel::Place(const Box& box, const WindowScale& scale) const {
  drobi_dom_place_division(box.left, box.top, box.width, box.height,
                           scale.FontPixels(kLessonFontPoints));
}

}  // namespace drobi::web
