#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/model/list_box.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/window_layout.hpp"

namespace drobi::web {

// A list box of the page (<select size>) that shows a ListBox and hands it the user's choices.
//
// What the program writes is gathered while a handler runs and reaches the document once, when
// the outermost handler has returned (Settle): a handler that refills the long number writes its
// rows in one go instead of one by one. What needs the document laid out (scrolling the selection
// into view, the rows in view) waits for the next frame, which lays it out in any case. Setting an
// element's selection raises no event, so a selection the program makes never comes back as a
// click. The user's moves do: a change event (a click, a key, a screen reader's choice) becomes one
// ListBox::UserClick, and so does a press on the row that is selected already, which changes
// nothing and raises no change event.
//
// A list whose rows have texts of their own (RowTextsFor) gives each row its hover text as the
// option's title and what a screen reader says as its label and description; the long number's rows
// get the period's tints and the line above each turn. They are worked out only for the rows in the
// list's box, and again for the rows that scrolling brings into it: a click that refills the long
// number to 90 digits works out the rows in view, not ninety-one.
class ListElement : private ListBoxObserver {
 public:
  ListElement(int control, const ControlLayout& layout, ListBox& list,
              std::unique_ptr<const RowTexts> texts);
  ~ListElement() override;
  ListElement(const ListElement&) = delete;
  ListElement& operator=(const ListElement&) = delete;

  // The document's selection changed to `row` (-1 for none) by the user.
  void OnChange(int row);
  // A press and release on `row`, which was the selected row when pressed.
  void OnPress(int row);
  // The list took the focus.
  void OnFocus();
  // Shows the rows and the selection as the ListBox has them, writing only what changed; true
  // when something did, and the list wants the next frame (OnFrame).
  bool Settle();
  // The document shows the ListBox's selection again, as after a choice the form did not take.
  void ShowSelection();
  // Before the frame that shows what a handler wrote: the selected row scrolled into the box, and
  // the rows in the box with their looks as the lists are now.
  void OnFrame();
  // The rows in the list's box show their hover and spoken texts and marks as the lists are now.
  void ShowLooks();

 private:
  struct Look {
    std::string hover, spoken, note, tint;
    bool line_above = false;
    friend bool operator==(const Look&, const Look&) = default;
  };

  void RowAdded(int row, const std::string& text) override;
  void Cleared() override;
  void IndexChanged(int index) override;
  Look LookOf(int row) const;

  int control_;
  const ControlLayout& layout_;
  ListBox& list_;
  std::unique_ptr<const RowTexts> texts_;
  std::vector<std::string> rows_;  // as the document shows them
  std::vector<Look> looks_;
  int index_ = -1;
  bool changed_ = true;
  bool reveal_ = false;  // the selection was written since the last frame
};

}  // namespace drobi::web
