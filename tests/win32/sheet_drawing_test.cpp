// The worksheet as GDI replays it: each page recorded in an enhanced metafile and read back from
// its records, text by text, against the display list and plain integer arithmetic.

#include "ui/win32/sheet_drawing.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/win32/window_driver.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/number_style.hpp"

namespace drobi::win32::testing {
namespace {

struct DrawnText {
  std::string text;
  POINTL at;
  LONG width;  // the sum of the glyphs' advances
  LOGFONTW font;
  UINT align;
};

struct Records {
  std::map<DWORD, LOGFONTW> made;  // by the metafile's object index
  LOGFONTW font{};
  UINT align = 0;
  std::vector<DrawnText> texts;
  int lines = 0;
};

int CALLBACK Read(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM to) {
  Records& read = *reinterpret_cast<Records*>(to);
  const auto* bytes = reinterpret_cast<const BYTE*>(record);
  if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
    const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
    read.made[font->ihFont] = font->elfw.elfLogFont;
  } else if (record->iType == EMR_SELECTOBJECT) {
    const auto made = read.made.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
    if (made != read.made.end()) read.font = made->second;
  } else if (record->iType == EMR_SETTEXTALIGN) {
    read.align = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode;
  } else if (record->iType == EMR_EXTTEXTOUTW) {
    const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
    const auto* chars = reinterpret_cast<const wchar_t*>(bytes + text.offString);
    const auto* advances = reinterpret_cast<const INT*>(bytes + text.offDx);
    read.texts.push_back({Utf8Of(std::wstring(chars, text.nChars)), text.ptlReference,
                          std::accumulate(advances, advances + text.nChars, LONG{0}), read.font,
                          read.align});
  } else if (record->iType == EMR_LINETO) {
    ++read.lines;
  }
  return 1;
}

struct MetafileRelease {
  void operator()(HENHMETAFILE file) const noexcept { DeleteEnhMetaFile(file); }
};
using Metafile = std::unique_ptr<std::remove_pointer_t<HENHMETAFILE>, MetafileRelease>;

// A page drawn into a metafile made for the screen, and its records.
Records Recorded(const SheetPage& page) {
  struct Recording {
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    ~Recording() {
      if (dc != nullptr) DeleteEnhMetaFile(CloseEnhMetaFile(dc));
    }
  } recording;
  SheetDrawing(recording.dc).Draw(page);
  const Metafile file(CloseEnhMetaFile(std::exchange(recording.dc, nullptr)));
  Records read;
  EnumEnhMetaFile(nullptr, file.get(), Read, &read, nullptr);
  return read;
}

TEST(SheetDrawingTest, MetafileHoldsEveryRunAtItsBaselineInItsFont) {
  drobi::testing::ScriptedRandom random(StartDraws());
  const NumberStyle style = SystemNumberStyle();
  MainForm form(random, style);
  form.Form_Load();
  random.Script(DrawsFor(kStartTable, 20));  // the second variant draws the start table again
  const SheetDocument sheets =
      WorksheetPages(WorksheetTables(form, random, 2), {2, 3, true}, style);
  const WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  const auto device = [dpi](double points) { return std::lround(points * dpi / 72); };

  std::string text;
  for (std::size_t p = 0; p < sheets.pages.size(); ++p) {
    const SheetPage& page = sheets.pages[p];
    const Records read = Recorded(page);
    ASSERT_EQ(read.texts.size(), page.runs.size()) << "page " << p + 1;
    EXPECT_EQ(read.lines, static_cast<int>(page.rules.size())) << "page " << p + 1;
    if (p > 0) text += '\f';
    for (std::size_t i = 0; i < page.runs.size(); ++i) {
      const PageRun& run = page.runs[i];
      const DrawnText& drawn = read.texts[i];
      SCOPED_TRACE("page " + std::to_string(p + 1) + ": " + drawn.text);
      text += drawn.text + "\n";
      EXPECT_EQ(drawn.at.x, device(run.x));
      EXPECT_EQ(drawn.at.y, device(run.y));
      EXPECT_EQ(drawn.align & TA_BASELINE, static_cast<UINT>(TA_BASELINE));
      // Inside the page's margins of 2 cm, as the glyphs' own advances have it.
      EXPECT_GE(drawn.at.x, device(56));
      EXPECT_LE(drawn.at.x + drawn.width, device(sheets.width - 56));
      EXPECT_LE(drawn.at.y, device(sheets.height - 56));
      EXPECT_EQ(drawn.font.lfHeight, -device(run.size));
      EXPECT_EQ(drawn.font.lfWeight, run.bold ? FW_BOLD : FW_NORMAL);
      EXPECT_EQ(Utf8Of(drawn.font.lfFaceName),
                run.font == PageFont::kFixed ? "Courier New" : "Times New Roman");
    }
  }
  EXPECT_EQ(text, PageText(sheets));

  // Every key line of the start table as read back, a wrapped one with its break as a blank.
  std::replace(text.begin(), text.end(), '\n', ' ');
  const std::string separator = style.decimal_separator;
  for (std::size_t i = 0; i < kStartTable.size(); ++i) {
    const auto& [p, q] = kStartTable[i];
    const std::string fraction = std::to_string(p) + "/" + std::to_string(q);
    const std::string exact = drobi::testing::ExactNotation(p, q, separator);
    const std::string line = std::to_string(i + 1) + ") " + fraction + " ≈ " +
                             drobi::testing::ExactRounded(p, q, 3, separator) + "; " + fraction +
                             " = " + exact + "; " +
                             (p % q == 0                             ? "цяло число"
                              : exact.find('(') == std::string::npos ? "крайна"
                                                                     : "безкрайна периодична");
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace drobi::win32::testing
