#include "ui/win32/lesson_text_control.hpp"

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "ui/win32/clipboard.hpp"
#include "ui/win32/handles.hpp"
#include "ui/win32/rich_edit_handle.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr DWORD kStyle = WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                         ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL;

// The look of a mark, or with no mark (nullptr) none: only the cues a mark turns on are set, so
// that where marks overlap (the selected step on a repeated remainder) each keeps its cue.
CHARFORMAT2W FormatOf(const MarkLook* look) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_BACKCOLOR;
  if (look == nullptr) {
    format.dwMask |= CFM_UNDERLINE | CFM_BOLD;
    format.dwEffects = CFE_AUTOBACKCOLOR;
    return format;
  }
  format.crBackColor = StoredColour(look->tint);
  if (look->underline) {
    format.dwMask |= CFM_UNDERLINE;
    format.dwEffects |= CFE_UNDERLINE;
  }
  if (look->bold) {
    format.dwMask |= CFM_BOLD;
    format.dwEffects |= CFE_BOLD;
  }
  return format;
}

}  // namespace

LessonTextControl::LessonTextControl(HWND parent, int id, HFONT font, int margin, ErrorEdge& edge)
    : parent_(parent), id_(id), font_(font), margin_(margin), edge_(edge) {
  Replace();
}

LessonTextControl::~LessonTextControl() {
  if (IsWindow(handle_)) RemoveWindowSubclass(handle_, Subclass, kSubclassId);
}

void LessonTextControl::Show(const LessonText& text) {
  if (text == text_) return;
  const bool same_lines = text.lines == text_.lines;
  text_ = text;
  if (same_lines) {
    Remark(false);  // another step selected in the long number: the text stays as it is
  } else {
    Replace();
  }
}

void LessonTextControl::SetFont(HFONT font, int margin) {
  font_ = font;
  margin_ = margin;
  Remark(true);
}

void LessonTextControl::Remark(bool font) const {
  const RichEditHandle edit(handle_);
  const CHARRANGE selection = edit.Selection();
  const int top = edit.FirstVisibleLine();
  edit.SetRedraw(false);
  if (font) {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    edit.SetMargins(margin_);
  }
  Mark();  // a new font takes the marks' cues with it
  edit.Select(selection.cpMin, selection.cpMax);
  edit.ScrollLines(top - edit.FirstVisibleLine());
  edit.SetRedraw(true);
  InvalidateRect(handle_, nullptr, TRUE);
}

void LessonTextControl::Replace() {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent_, GWLP_HINSTANCE));
  const HWND made =
      CreateWindowExW(0, MSFTEDIT_CLASS, nullptr, kStyle, 0, 0, 0, 0, parent_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), instance, nullptr);
  if (made == nullptr) throw std::runtime_error("the view's text cannot be shown");
  const HWND old = std::exchange(handle_, made);
  if (!SetWindowSubclass(handle_, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    throw std::runtime_error("the view's text cannot be copied");
  }
  // In the old one's place before the text comes, which it lays out at that size.
  RECT place{};
  if (old != nullptr) {
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&place), 2);
  }
  SetWindowPos(handle_, old != nullptr ? old : HWND_TOP, place.left, place.top,
               place.right - place.left, place.bottom - place.top, SWP_NOACTIVATE);
  const RichEditHandle edit(handle_);
  // Nothing to undo in a text the user cannot change: the marks are not kept as steps.
  SendMessageW(handle_, EM_SETUNDOLIMIT, 0, 0);
  edit.KeepLinesWhole();
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  edit.SetMargins(margin_);
  std::wstring all;
  for (std::size_t i = 0; i < text_.lines.size(); ++i) {
    if (i > 0) all += L"\r\n";
    all += Wide(text_.lines[i]);
  }
  SetWindowTextW(handle_, all.c_str());
  Mark();
  edit.Select(0, 0);
  if (old != nullptr) edit.ScrollLines(RichEditHandle(old).FirstVisibleLine());
  ShowWindow(handle_, SW_SHOWNA);
  if (old == nullptr) return;
  const bool focused = GetFocus() == old;
  DestroyWindow(old);
  if (focused) SetFocus(handle_);
}

void LessonTextControl::Mark() const {
  const RichEditHandle edit(handle_);
  edit.Format(FormatOf(nullptr), true);
  for (const MarkedSpan& span : text_.marks) {
    const LONG start = edit.LineStart(span.line);
    if (start < 0) continue;
    edit.Select(start + span.first, start + span.first + span.count);
    const MarkLook look = LookOf(span.role);
    edit.Format(FormatOf(&look), false);
  }
}

bool LessonTextControl::CopyAllIfNothingSelected() const {
  const CHARRANGE selection = RichEditHandle(handle_).Selection();
  if (selection.cpMin != selection.cpMax) return false;
  CopyToClipboard(handle_, ShownLines(text_.Joined()));
  return true;
}

LRESULT CALLBACK LessonTextControl::Subclass(HWND control, UINT message, WPARAM w, LPARAM l,
                                             UINT_PTR, DWORD_PTR self) noexcept {
  auto* text = reinterpret_cast<LessonTextControl*>(self);
  return text->edge_.Answer([&] { return text->OnMessage(control, message, w, l); },
                            [&] { return DefSubclassProc(control, message, w, l); });
}

LRESULT LessonTextControl::OnMessage(HWND control, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_KEYDOWN:
      if ((w == 'C' || w == VK_INSERT) && GetKeyState(VK_CONTROL) < 0 &&
          CopyAllIfNothingSelected()) {
        return 0;
      }
      break;
    case WM_COPY:
      if (CopyAllIfNothingSelected()) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, Subclass, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(control, message, w, l);
}

}  // namespace drobi::win32
