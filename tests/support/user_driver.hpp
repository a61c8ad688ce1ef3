#pragma once

// What a user does to a window of the program and what they see of it, with the controls named as
// the form names them ("Spis(1)", "Dylgo", "Command1", "Label1", "Text1(0)"). Each window system
// has a driver; the scenarios that every window must pass are written against this alone.

#include <string>
#include <vector>

#include "ui/lesson/exercises.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

enum class Key { kUp, kDown, kPageUp, kPageDown, kHome, kEnd, kTab };

struct Rgb {
  int red, green, blue;
};

class UserDriver {
 public:
  virtual ~UserDriver() = default;

  // Form_Load on the form that the window shows; a window whose form runs elsewhere (the page in
  // a browser) has it run there.
  virtual void Load(MainForm& form) { form.Form_Load(); }

  // A click (or a double click) on a row of a list, scrolled into view first; a row past the
  // last is the blank below the rows, clicked only where the list leaves one.
  virtual void ClickRow(const std::string& list, int row, bool twice = false) = 0;
  // A click on the middle of a control: the button or the green spot.
  virtual void Click(const std::string& control) = 0;
  // The focus put on a control without clicking it, as Tab would.
  virtual void Focus(const std::string& control) = 0;
  // A key pressed on whatever has the focus.
  virtual void Press(Key key) = 0;
  // A click into the field's visible top, Ctrl+End, then the text typed: "\n" is Enter, and an
  // empty text is one Backspace.
  virtual void Type(const std::string& field, const std::string& text) = 0;

  virtual std::vector<std::string> Rows(const std::string& list) const = 0;
  // The highlighted row; -1 for none.
  virtual int Selected(const std::string& list) const = 0;
  // What a text field shows, its lines ended by "\n".
  virtual std::string Text(const std::string& field) const = 0;
  // The name of the control with the focus; "" for none.
  virtual std::string Focused() const = 0;
  // The colour on screen at a point of the window's client area, in pixels at 96 dots per inch.
  virtual Rgb ColourAt(int x, int y) const = 0;

  // A command chosen as a user chooses it: from the menu bar, opened with the mouse or its access
  // key, or by the command's shortcut where the menu itself cannot be driven.
  virtual void Choose(CommandId command) = 0;
  // The lines that the view of the written division shows; none while it is closed.
  virtual std::vector<std::string> DivisionLines() const = 0;

  // «Въведете дроб…» chosen, `typed` typed into its field and Enter pressed: "" when the dialog
  // took the fraction and closed, else the message it shows, after which Escape closes it.
  virtual std::string EnterFraction(const std::string& typed) = 0;
  // One task of «Упражнения», the view opened when it is closed and `kind` chosen in it: `answer`
  // typed and Enter pressed, or for kEndsOrRepeats the key К or П; then «Следваща задача». What
  // the view showed: the question before the answer, the verdict and the count after it.
  virtual std::vector<std::string> Exercise(TaskKind kind, const std::string& answer) = 0;
};

}  // namespace drobi::testing
