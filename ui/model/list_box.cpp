#include "ui/model/list_box.hpp"

#include "core/runtime_error.hpp"

namespace drobi {

void ListBox::AddItem(std::string text) {
  rows_.push_back(std::move(text));
  if (observer_ != nullptr) observer_->RowAdded(ListCount() - 1, rows_.back());
}

void ListBox::Clear() {
  rows_.clear();
  index_ = -1;
  if (observer_ != nullptr) observer_->Cleared();
}

std::string ListBox::List(int i) const {
  if (i < -1) throw RuntimeError(error::kInvalidArrayIndex, "Invalid property array index");
  if (i == -1 || i >= ListCount()) return {};
  return rows_[static_cast<std::size_t>(i)];
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) {
    throw RuntimeError(error::kInvalidPropertyValue, "Invalid property value");
  }
  if (index == index_) return;
  Select(index);
  RaiseClick();
}

void ListBox::UserClick(int row) {
  if (row < 0 || row >= ListCount()) return;
  if (row != index_) Select(row);
  RaiseClick();
}

void ListBox::Select(int index) {
  index_ = index;
  if (observer_ != nullptr) observer_->IndexChanged(index);
}

void ListBox::RaiseClick() {
  if (click_) click_();
}

}  // namespace drobi
