#pragma once

#include <functional>
#include <string>
#include <vector>

namespace drobi {

// Receives every change of a list so that a view can mirror it. Observers only watch: none of
// these calls raises the list's click notification.
class ListBoxObserver {
 public:
  virtual ~ListBoxObserver() = default;
  virtual void RowAdded(int row, const std::string& text) = 0;
  virtual void Cleared() = 0;
  virtual void IndexChanged(int index) = 0;
};

// An unsorted single-selection list whose rows are the program's only data store.
//
// The click notification is what drives the program: a write of ListIndex that changes the
// selection runs the click handler before it returns, so handlers nest. Writing the index that is
// already selected raises nothing, which is what keeps the handlers that select rows in each other
// from calling each other without end.
class ListBox {
 public:
  void AddItem(std::string text);
  void Clear();
  int ListCount() const { return static_cast<int>(rows_.size()); }
  // Row i's text; -1 (nothing selected) and rows past the end read as the empty text.
  std::string List(int i) const;
  const std::vector<std::string>& Rows() const { return rows_; }

  int ListIndex() const { return index_; }
  // A program's selection write: raises the click only when the index changes.
  void SetListIndex(int index);
  // A user's click or keyboard move onto an existing row: selects it and always raises the click,
  // also when the row was selected already. A row that does not exist is ignored.
  void UserClick(int row);

  void SetClickHandler(std::function<void()> handler) { click_ = std::move(handler); }
  void SetObserver(ListBoxObserver* observer) { observer_ = observer; }

 private:
  void Select(int index);
  void RaiseClick();

  std::vector<std::string> rows_;
  int index_ = -1;
  std::function<void()> click_;
  ListBoxObserver* observer_ = nullptr;
};

}  // namespace drobi
