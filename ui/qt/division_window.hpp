#pragma once

// The written division of the selected fraction, «Деление в тетрадката», in a window of its own
// that a teacher moves to the projector and resizes. It shows a LessonText that the main window
// computes and hands it after every call into the form: read-only lines in the lessons'
// fixed-width font, each mark a format of its characters, a tint with an underline or bold type
// beside the colour. A screen reader reads the lines one by one; Ctrl+C copies the selection, or
// every line when nothing is selected. While it has the focus it zooms by the form's steps and
// keys.

#include <QTextCursor>
#include <QWidget>

#include "ui/lesson/lesson_text.hpp"
#include "ui/window_scale.hpp"

class QPlainTextEdit;

namespace drobi {

class DivisionWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own with `parent` as its owner, so that it closes with the main window.
  explicit DivisionWindow(QWidget* parent);

  // Shows `text` in place of what it shows, replacing the lines only when they changed, so that a
  // new mark leaves the reader's place and selection as they were.
  void SetText(const LessonText& text);
  const LessonText& Text() const { return text_; }

  // Shows the window and gives it the focus; the first time at the size of its text, as far as
  // the screen has room.
  void Open();

  // The zoom step after the present one in `direction` (+1 larger, -1 smaller), 100 % for 0.
  void Zoom(int direction);
  int ZoomPercent() const { return zoom_; }

  QPlainTextEdit* Lines() const { return lines_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The characters of a mark; a null cursor for a line that the text does not have.
  QTextCursor Span(const MarkedSpan& mark) const;
  // Scrolls the line of the long number's selected step into view, if it is out of it.
  void KeepSelectedStepInView();
  QSize SizeForText() const;

  QPlainTextEdit* lines_;
  LessonText text_;
  int zoom_ = 100;
  WheelSteps wheel_;
  bool opened_ = false;
};

}  // namespace drobi
