#pragma once

#include <windows.h>

#include "ui/lesson/row_texts.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/window_scale.hpp"

namespace drobi::win32 {

// Paints the rows of an owner-drawn list with their marks: the tint of the turn of the period
// behind a row, a separator line above the first digit of each turn (so that colour is not the
// only sign) and only the shown part of the row's string.
class MarkedRows {
 public:
  MarkedRows(const RowTexts& texts, const ErrorEdge& edge, const WindowScale& scale)
      : texts_(texts), edge_(edge), scale_(scale) {}

  void Draw(const DRAWITEMSTRUCT& item) const;
  // The separator line and the text's margin grow with the window's dpi and zoom.
  void SetScale(const WindowScale& scale) { scale_ = scale; }

 private:
  RowMark MarkOf(int row) const;

  const RowTexts& texts_;
  const ErrorEdge& edge_;
  WindowScale scale_;
};

}  // namespace drobi::win32
