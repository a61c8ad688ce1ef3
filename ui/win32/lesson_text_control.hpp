#pragma once

#include <windows.h>

#include "ui/lesson/lesson_text.hpp"
#include "ui/win32/error_edge.hpp"

namespace drobi::win32 {

// A read-only rich edit control (of msftedit.dll, which the caller keeps loaded) that shows a
// LessonText: its lines as they are, in the font it is given, each marked span tinted and
// underlined or bold as LookOf says. A screen reader reads it line by line, the arrow keys move
// the caret through it, and Ctrl+C copies the selection or, with nothing selected, the whole
// text (LessonText::Joined, with Windows line ends). The control goes with its parent.
//
// Each new text is written into a new control, which takes the old one's place, focus and first
// line in view (new marks on the same lines, as for another step of the long number, are set on
// the control shown): Wine's rich edit control keeps the memory of every text written into it (some
// 30 KB for the longest division) until the control goes.
class LessonTextControl {
 public:
  // Empty, in `font` (which must live until the control holds the next one) with `margin` pixels
  // left and right.
  LessonTextControl(HWND parent, int id, HFONT font, int margin, ErrorEdge& edge);
  ~LessonTextControl();
  LessonTextControl(const LessonTextControl&) = delete;
  LessonTextControl& operator=(const LessonTextControl&) = delete;

  HWND Handle() const { return handle_; }
  // Shows `text`, unless the control shows it already.
  void Show(const LessonText& text);
  // Shows the text in another font and margin; the selection and the first line in view stay.
  void SetFont(HFONT font, int margin);

 private:
  static LRESULT CALLBACK Subclass(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                   DWORD_PTR self) noexcept;
  // For the control shown and, while it goes, the one it replaced.
  LRESULT OnMessage(HWND control, UINT message, WPARAM w, LPARAM l);
  // A new control with the text, in the old one's place; the old one goes.
  void Replace();
  // Sets the marks' looks anew, after the text or the font has changed.
  void Mark() const;
  // The marks set anew on the text shown, in a new font where `font`; the selection and the first
  // line in view stay.
  void Remark(bool font) const;
  // Ctrl+C or WM_COPY: with nothing selected, copies the whole text and returns true.
  bool CopyAllIfNothingSelected() const;

  HWND parent_;
  int id_;
  HFONT font_;
  int margin_;
  ErrorEdge& edge_;
  HWND handle_ = nullptr;
  LessonText text_;
};

}  // namespace drobi::win32
