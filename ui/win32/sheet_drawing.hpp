#pragma once

#include <windows.h>

#include <string_view>
#include <tuple>
#include <vector>

#include "ui/lesson/sheet_pages.hpp"
#include "ui/win32/handles.hpp"

namespace drobi::win32 {

// Replays a page of the display list on a device context: each run at its baseline in its font,
// each rule as a line, in device units from the points of the list. On a printer the origin is
// the corner of the printable area, not of the sheet, so the physical offset is taken off.
// Nothing is laid out here: what stands where is the list's.
class SheetDrawing {
 public:
  explicit SheetDrawing(HDC dc);
  SheetDrawing(const SheetDrawing&) = delete;
  SheetDrawing& operator=(const SheetDrawing&) = delete;

  void Draw(const SheetPage& page);

  // Device units of a place in points, from the sheet's top left.
  POINT At(double x, double y) const;
  // A font's height in device units, negative as CreateFontW takes a character height.
  int FontHeight(double points) const;

 private:
  HFONT FontOf(const PageRun& run);

  HDC dc_;
  int dpi_x_, dpi_y_;
  POINT offset_;
  std::vector<std::tuple<PageFont, int, bool, Font>> fonts_;  // by role, height and weight
};

// The document as one print job on a printer's device context, a page of the job per page of the
// list. False when the printer takes it not (StartDoc, a page or EndDoc fails): the job is
// aborted then.
bool PrintSheets(HDC printer, const SheetDocument& document, std::wstring_view title);

}  // namespace drobi::win32
