#pragma once

// A printed page as a display list: runs of text at their place in points and rules, decided
// here once, line breaks and page breaks included. Qt's painter, GDI and the page's print style
// sheet each replay it as it stands and decide nothing.

#include <string>
#include <vector>

namespace drobi {

enum class PageFont {
  kSerif,  // the form's Times New Roman
  kFixed,  // the written division's fixed-width font
};

struct PageRun {
  double x = 0, y = 0;  // the start of the text's baseline, in points from the page's top left
  std::string text;     // UTF-8, one line
  PageFont font = PageFont::kSerif;
  double size = 12;  // points
  bool bold = false;
};

struct PageRule {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // points
  double width = 0.5;
};

struct SheetPage {
  std::vector<PageRun> runs;
  std::vector<PageRule> rules;
};

// A4 upright.
struct SheetDocument {
  double width = 595.276, height = 841.89;  // points
  std::vector<SheetPage> pages;
};

// How wide a run is drawn, in points, as the layout reckons it: the fixed-width font exactly (six
// tenths of an em a character), the serif one a little wider than Times' mean, so that a line the
// layout lets stand never runs past the margin.
double RunWidth(const PageRun& run);

// All the text of the pages, a run a line, the pages apart by a form feed: what a reader of the
// printed file gets back, in order.
std::string PageText(const SheetDocument& document);

}  // namespace drobi
