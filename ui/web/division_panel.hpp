#pragma once

#include <string>
#include <vector>

#include "ui/lesson/lesson_text.hpp"
#include "ui/main_form.hpp"
#include "ui/web/page_places.hpp"

namespace drobi::web {

// The panel «Деление в тетрадката» below or beside the form: the written division of the selected
// fraction, each line an element of its own in the lesson's fixed-width font, the marks as spans
// with their tint and an underline or bold type. A screen reader reads it line by line; Ctrl+C
// with nothing selected copies the lines as LessonText::Joined() gives them.
//
// While it is open it follows the form: after every handled event (Settle) the division is worked
// out again, and the lines whose text or marks changed are written; a closed panel costs nothing.
class DivisionPanel {
 public:
  // `opener` is the long number's control, on which Enter and a double click open the panel.
  DivisionPanel(const MainForm& form, int opener);

  // Shows the panel, or gives it the focus again where it is open already.
  void Open();
  void Close();
  bool IsOpen() const { return open_; }
  // Shows the written division as the form has it now; nothing while the panel is closed.
  void Settle();
  void Place(const Box& box, const WindowScale& scale) const;

 private:
  const MainForm& form_;
  bool open_ = false;
  LessonText shown_;
  std::vector<std::string> runs_;  // each line's runs as the document shows them
};

}  // namespace drobi::web
