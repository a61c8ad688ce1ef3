#include "ui/win32/list_control.hpp"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "ui/win32/list_handle.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

DWORD ListStyle(const ControlLayout& layout) {
  const DWORD style = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  return layout.long_number ? style | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : style;
}

}  // namespace

ListControl::ListControl(const Placement& at, const ControlLayout& layout, ListBox& list,
                         std::unique_ptr<const RowTexts> texts, ErrorEdge& edge)
    : ChildControl(CreateChild(at, layout, WC_LISTBOXW, ListStyle(layout), WS_EX_CLIENTEDGE)),
      layout_(layout),
      list_(list),
      edge_(edge),
      texts_(std::move(texts)) {
  if (texts_ && layout.long_number)
    marked_ = std::make_unique<MarkedRows>(*texts_, edge_, at.scale);
  if (!SetWindowSubclass(Handle(), Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    throw std::runtime_error("a list of the window cannot take clicks");
  }
  ShowAllRows();
  list_.SetObserver(this);
}

ListControl::~ListControl() {
  list_.SetObserver(nullptr);
  if (IsWindow(Handle())) RemoveWindowSubclass(Handle(), Subclass, kSubclassId);
}

void ListControl::OnCommand(int code) {
  if (code == LBN_DBLCLK && open_) open_();
  if (code != LBN_SELCHANGE) return;
  const int row = ListHandle(Handle()).CurSel();
  if (row == list_.ListIndex()) return;
  if (row < 0 || edge_.Failed()) {
    // Nothing that the ListBox would take: the control shows the ListBox's row again.
    IndexChanged(list_.ListIndex());
    return;
  }
  edge_.Run([this, row] { list_.UserClick(row); });
}

void ListControl::OnDraw(const DRAWITEMSTRUCT& item) {
  if (marked_) marked_->Draw(item);
}

void ListControl::ShowRowHover(HWND tooltip) {
  if (texts_ && tooltip != nullptr) {
    hover_ = std::make_unique<RowHover>(Handle(), tooltip, *texts_, layout_, edge_);
  }
}

void ListControl::Settle() {
  if (!marked_) return;
  const ListHandle control(Handle());
  std::vector<std::wstring> strings;
  bool changed = control.Count() != list_.ListCount();
  for (int row = 0; row < list_.ListCount(); ++row) {
    strings.push_back(RowString(row));
    changed = changed || control.Text(row) != strings.back();
  }
  if (changed) {
    const int top = control.TopIndex();
    control.SetRedraw(false);
    control.ResetContent();
    bool shown = true;
    for (const std::wstring& string : strings) shown = control.AddString(string) && shown;
    control.SetCurSel(list_.ListIndex());
    control.SetTopIndex(top);
    control.SetRedraw(true);
    if (!shown) throw std::runtime_error("a list of the window cannot show its rows");
  }
  // The marks follow the selected fraction, whichever list the handler changed.
  InvalidateRect(Handle(), nullptr, FALSE);
}

std::vector<std::wstring> ListControl::SpokenNotes() const {
  std::vector<std::wstring> notes;
  if (!texts_ || edge_.Failed()) return notes;
  for (int row = 0; row < list_.ListCount(); ++row) {
    notes.emplace_back();
    try {
      notes.back() = Wide(texts_->SpokenNote(row));
    } catch (...) {  // the row is read by its text alone
    }
  }
  return notes;
}

void ListControl::Hold(bool hold) const {
  // A visible list otherwise redraws its scroll bar for every row added.
  ListHandle(Handle()).SetRedraw(!hold);
}

void ListControl::OnScale(const WindowScale& scale) {
  if (marked_) marked_->SetScale(scale);
}

void ListControl::KeepSelectionInView() const {
  const ListHandle list(Handle());
  const int row = list.CurSel();
  RECT client;
  RECT box;
  GetClientRect(Handle(), &client);
  if (row < 0 || !list.ItemRect(row, box)) return;
  if (box.top < client.top || box.bottom > client.bottom) list.SetTopIndex(row);
}

void ListControl::MatchRowHeight(int height) {
  if (!marked_ || height <= 0) return;
  ListHandle(Handle()).SetItemHeight(height);
  InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT CALLBACK ListControl::Subclass(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                       DWORD_PTR self) noexcept {
  auto* list = reinterpret_cast<ListControl*>(self);
  return list->edge_.Answer([&] { return list->OnMessage(message, w, l); },
                            [&] { return DefSubclassProc(control, message, w, l); });
}

LRESULT ListControl::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {  // the second press of a double click is a click of its own
      const int row = ListHandle(Handle()).RowAt(l);
      const bool on_selected = row >= 0 && row == list_.ListIndex();
      const LRESULT result = DefSubclassProc(Handle(), message, w, l);
      if (on_selected) edge_.Run([this, row] { list_.UserClick(row); });
      return result;
    }
    case WM_KEYDOWN:
      if (w == VK_RETURN && open_) {
        open_();
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(Handle(), Subclass, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(Handle(), message, w, l);
}

void ListControl::RowAdded(int row, const std::string& text) {
  const ListHandle control(Handle());
  if (row != control.Count()) {  // rows the control missed
    ShowAllRows();
    return;
  }
  // The spoken text waits for Settle: the marks hold only for a long number written to its end.
  if (!control.AddString(Wide(text))) {
    throw std::runtime_error("a list of the window cannot show another row");
  }
  RowsMoved();
}

void ListControl::Cleared() {
  ListHandle(Handle()).ResetContent();
  IndexChanged(list_.ListIndex());
  RowsMoved();
}

void ListControl::IndexChanged(int index) { ListHandle(Handle()).SetCurSel(index); }

void ListControl::ShowAllRows() {
  const ListHandle control(Handle());
  control.SetRedraw(false);
  control.ResetContent();
  bool shown = true;
  for (int row = 0; row < list_.ListCount(); ++row) {
    shown = control.AddString(RowString(row)) && shown;
  }
  control.SetRedraw(true);
  if (!shown) throw std::runtime_error("a list of the window cannot show its rows");
  IndexChanged(list_.ListIndex());
  RowsMoved();
}

std::wstring ListControl::RowString(int row) const {
  const std::string& text = list_.Rows()[static_cast<std::size_t>(row)];
  std::wstring string = Wide(text);
  if (!marked_ || edge_.Failed()) return string;
  std::string spoken;
  try {
    spoken = SpokenAfterText(*texts_, row, text);
  } catch (...) {  // the row is read by its text alone
  }
  if (!spoken.empty()) string += L'\t' + Wide(spoken);
  return string;
}

void ListControl::RowsMoved() {
  if (hover_) hover_->RowsMoved();
}

}  // namespace drobi::win32
