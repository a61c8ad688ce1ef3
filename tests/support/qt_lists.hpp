#pragma once

// What a Qt list of the window shows, read the way a user sees it: rows, the highlighted row and
// where each row is on screen.

#include <QListView>
#include <QScrollBar>
#include <QVariant>
#include <string>
#include <vector>

namespace drobi::testing {

inline int RowCount(const QListView& view) { return view.model()->rowCount(); }

inline QVariant RowData(const QListView& view, int row, int role = Qt::DisplayRole) {
  return view.model()->index(row, 0).data(role);
}

inline std::vector<std::string> ShownRows(const QListView& view) {
  std::vector<std::string> rows;
  for (int i = 0; i < RowCount(view); ++i)
    rows.push_back(RowData(view, i).toString().toStdString());
  return rows;
}

// The highlighted row; -1 when none is.
inline int SelectedRow(const QListView& view) {
  const QModelIndexList selected = view.selectionModel()->selectedIndexes();
  return selected.size() == 1 ? selected.front().row() : -1;
}

// Where a row is, in the viewport's coordinates, also when it is scrolled out of view.
inline QRect RowRect(const QListView& view, int row) {
  return view.visualRect(view.model()->index(row, 0));
}

// The row at a point of the viewport; -1 below the last row.
inline int RowAt(const QListView& view, const QPoint& point) {
  const QModelIndex index = view.indexAt(point);
  return index.isValid() ? index.row() : -1;
}

// The first row in view: the lists scroll a whole row per step.
inline int TopRow(const QListView& view) { return view.verticalScrollBar()->value(); }

inline int RowHeight(const QListView& view) { return view.sizeHintForRow(0); }

inline void ScrollToRow(QListView& view, int row) { view.scrollTo(view.model()->index(row, 0)); }

}  // namespace drobi::testing
