#include "ui/win32/sheet_drawing.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

constexpr double kPointsPerInch = 72;

const wchar_t* FaceOf(PageFont font) {
  return font == PageFont::kFixed ? L"Courier New" : L"Times New Roman";
}

}  // namespace

SheetDrawing::SheetDrawing(HDC dc)
    : dc_(dc),
      dpi_x_(GetDeviceCaps(dc, LOGPIXELSX)),
      dpi_y_(GetDeviceCaps(dc, LOGPIXELSY)),
      // Zero on a screen or a metafile, whose origin is the sheet's own corner.
      offset_{GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)} {
  if (dpi_x_ <= 0 || dpi_y_ <= 0) throw std::runtime_error("the device has no resolution");
}

POINT SheetDrawing::At(double x, double y) const {
  return {static_cast<LONG>(std::lround(x * dpi_x_ / kPointsPerInch)) - offset_.x,
          static_cast<LONG>(std::lround(y * dpi_y_ / kPointsPerInch)) - offset_.y};
}

int SheetDrawing::FontHeight(double points) const {
  return -static_cast<int>(std::lround(points * dpi_y_ / kPointsPerInch));
}

HFONT SheetDrawing::FontOf(const PageRun& run) {
  const int height = FontHeight(run.size);
  for (const auto& [font, at, bold, made] : fonts_) {
    if (font == run.font && at == height && bold == run.bold) return made.get();
  }
  Font made(CreateFontW(
      height, 0, 0, 0, run.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
      OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      run.font == PageFont::kFixed ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_ROMAN,
      FaceOf(run.font)));
  if (!made) throw std::runtime_error("the sheet's font cannot be made");
  fonts_.emplace_back(run.font, height, run.bold, std::move(made));
  return std::get<3>(fonts_.back()).get();
}

void SheetDrawing::Draw(const SheetPage& page) {
  const int saved = SaveDC(dc_);
  SetMapMode(dc_, MM_TEXT);
  SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, RGB(0, 0, 0));
  for (const PageRun& run : page.runs) {
    const Selection font(dc_, FontOf(run));
    const std::wstring text = Wide(run.text);
    const POINT at = At(run.x, run.y);
    ExtTextOutW(dc_, at.x, at.y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  }
  for (const PageRule& rule : page.rules) {
    const int width =
        std::max(1, static_cast<int>(std::lround(rule.width * dpi_y_ / kPointsPerInch)));
    const Pen pen(CreatePen(PS_SOLID, width, RGB(0, 0, 0)));
    if (!pen) throw std::runtime_error("the sheet's pen cannot be made");
    const Selection selected(dc_, pen.get());
    const POINT from = At(rule.x1, rule.y1), to = At(rule.x2, rule.y2);
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
  }
  RestoreDC(dc_, saved);
}

bool PrintSheets(HDC printer, const SheetDocument& document, std::wstring_view title) {
  const std::wstring name(title);
  DOCINFOW about{};
  about.cbSize = sizeof(about);
  about.lpszDocName = name.c_str();
  if (StartDocW(printer, &about) <= 0) return false;
  // A job that does not reach EndDoc, by a failed page or an error thrown while drawing, is
  // aborted, so that the spooler prints nothing of it.
  struct Job {
    HDC dc;
    bool ended = false;
    ~Job() {
      if (!ended) AbortDoc(dc);
    }
  } job{printer};
  SheetDrawing drawing(printer);
  for (const SheetPage& page : document.pages) {
    if (StartPage(printer) <= 0) return false;
    drawing.Draw(page);
    if (EndPage(printer) <= 0) return false;
  }
  job.ended = true;
  return EndDoc(printer) > 0;
}

}  // namespace drobi::win32
