#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/lesson/row_texts.hpp"
#include "ui/model/list_box.hpp"
#include "ui/win32/child_control.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/marked_rows.hpp"
#include "ui/win32/row_hover.hpp"

namespace drobi::win32 {

// A LISTBOX control of the window that shows a ListBox and hands it the user's choices.
//
// What the program writes reaches the control at once through the ListBox's observer:
// LB_ADDSTRING, LB_RESETCONTENT and LB_SETCURSEL, none of which notifies, so a selection the
// program makes never comes back as a click. The user's moves do: a click, a drag or a key that
// selects another row is reported by the control as LBN_SELCHANGE and becomes one
// ListBox::UserClick. A press on the row that is already selected changes nothing in the control
// and is a click all the same. A notification for the row the ListBox has selected already (the
// control repeats one on the release of a press) is no second click.
//
// A list whose rows have texts of their own (RowTextsFor) shows a hover text per row. Where the
// layout marks the long number, the list draws its rows itself, with the marks of the period, and
// each row's string is the row's text, a tab and what a screen reader is to hear after it; only
// the part before the tab is drawn, and typing a digit still finds the row.
class ListControl : public ChildControl, private ListBoxObserver {
 public:
  ListControl(const Placement& at, const ControlLayout& layout, ListBox& list,
              std::unique_ptr<const RowTexts> texts, ErrorEdge& edge);
  ~ListControl() override;

  void OnCommand(int code) override;
  void OnDraw(const DRAWITEMSTRUCT& item) override;
  void OnScale(const WindowScale& scale) override;
  // Scrolls the selected row into view, as after the rows grew or shrank with the zoom.
  void KeepSelectionInView() const;

  // A hover text per row in the window's tooltip, where the rows have texts of their own.
  void ShowRowHover(HWND tooltip);
  bool HasRowTexts() const { return texts_ != nullptr; }
  // What a screen reader is given as each row's description (RowTexts::SpokenNote), empty
  // where a row has none.
  std::vector<std::wstring> SpokenNotes() const;
  // A call into the form has ended: the rows' spoken texts and marks follow the lists as they
  // are now (while a handler fills the long number, they cannot be worked out).
  void Settle();
  // Holds back the control's redrawing while a handler writes rows, or lets it redraw them all.
  void Hold(bool hold) const;
  // Owner-drawn rows are as high as the rows the other lists take from the font.
  void MatchRowHeight(int height);
  // What Enter on the list, or a double click on a row, opens (the long number's view).
  void OnOpen(std::function<void()> open) { open_ = std::move(open); }

 private:
  static LRESULT CALLBACK Subclass(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                   DWORD_PTR self) noexcept;
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);

  void RowAdded(int row, const std::string& text) override;
  void Cleared() override;
  void IndexChanged(int index) override;
  void ShowAllRows();
  std::wstring RowString(int row) const;
  void RowsMoved();

  const ControlLayout& layout_;
  ListBox& list_;
  ErrorEdge& edge_;
  std::unique_ptr<const RowTexts> texts_;
  std::unique_ptr<MarkedRows> marked_;  // where the layout marks the long number
  std::unique_ptr<RowHover> hover_;
  std::function<void()> open_;
};

}  // namespace drobi::win32
