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
class LessonTextControl {
 public:
  LessonTextControl(HWND parent, int id, ErrorEdge& edge);
  ~LessonTextControl();
  LessonTextControl(const LessonTextControl&) = delete;
  LessonTextControl& operator=(const LessonTextControl&) = delete;

  HWND Handle() const { return handle_; }
  // Shows `text`, unless the control shows it already; the selection and the first line in view
  // stay where they were.
  void Show(const LessonText& text);
  // Shows the text in `font`, which must live until the control holds the next one, with
  // `margin` pixels left and right.
  void SetFont(HFONT font, int margin);

 private:
  static LRESULT CALLBACK Subclass(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                   DWORD_PTR self) noexcept;
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  // Writes the text and its marks into the control anew.
  void Fill() const;
  // Ctrl+C or WM_COPY: with nothing selected, copies the whole text and returns true.
  bool CopyAllIfNothingSelected() const;

  HWND handle_;
  ErrorEdge& edge_;
  LessonText text_;
};

}  // namespace drobi::win32
