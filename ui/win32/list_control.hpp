#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/row_texts.hpp"
#include "ui/model/list_box.hpp"
#include "ui/win32/error_edge.hpp"

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
class ListControl : private ListBoxObserver {
 public:
  ListControl(ListBox& list, HWND control, ErrorEdge& edge);
  ~ListControl() override;
  ListControl(const ListControl&) = delete;
  ListControl& operator=(const ListControl&) = delete;

  HWND Handle() const { return control_; }

  // LBN_SELCHANGE from the control.
  void SelectionChanged();

  // Rows with texts of their own: a hover text per row in `tooltip`, the list's `hover` for rows
  // without one, and the marks drawn beside the rows when the control is owner-drawn.
  void ShowRowTexts(std::unique_ptr<const RowTexts> texts, HWND tooltip, std::wstring hover);
  // WM_DRAWITEM of an owner-drawn row.
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  static LRESULT CALLBACK Subclass(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                   DWORD_PTR self) noexcept;
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

  void RowAdded(int row, const std::string& text) override;
  void Cleared() override;
  void IndexChanged(int index) override;
  void ShowAllRows();

  // The row under a point of the control's client area, -1 where there is none.
  int RowAt(LPARAM point) const;
  void HoverRow(int row);
  const wchar_t* HoverText();

  ListBox& list_;
  HWND control_;
  ErrorEdge& edge_;
  std::unique_ptr<const RowTexts> marks_;
  HWND tooltip_ = nullptr;
  std::wstring list_hover_;
  std::wstring hover_;  // what the tooltip shows; it reads the text from here
  int hover_row_ = -1;
};

}  // namespace drobi::win32
