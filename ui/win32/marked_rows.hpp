#pragma once

#include <windows.h>

#include "ui/row_texts.hpp"
#include "ui/win32/error_edge.hpp"

namespace drobi::win32 {

// Paints the rows of an owner-drawn list with their marks: the tint of the turn of the period
// behind a row, a separator line above the first digit of each turn (so that colour is not the
// only sign) and only the shown part of the row's string.
class MarkedRows {
 public:
  MarkedRows(const RowTexts& texts, const ErrorEdge& edge) : texts_(texts), edge_(edge) {}

  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  RowMark MarkOf(int row) const;

  const RowTexts& texts_;
  const ErrorEdge& edge_;
};

}  // namespace drobi::win32
