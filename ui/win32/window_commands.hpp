#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/lesson/menu_commands.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/annotations.hpp"
#include "ui/win32/division_view.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/exercises_view.hpp"
#include "ui/win32/fraction_dialog.hpp"
#include "ui/win32/handles.hpp"
#include "ui/win32/window_menu.hpp"
#include "ui/win32/worksheet_dialog.hpp"

namespace drobi::win32 {

// What the window's menu bar and the menu's keys do: the zoom steps of the window, or of the view
// where a key is pressed in it; the view of the written division, made when it is first opened
// and following the form after every call into it; «Въведете дроб», whose fraction goes into the
// form through the window's edge; «Упражнения», in a view made when it is first opened, whose
// count lasts while the program runs; «Работен лист», printed from the form's table; and
// «Относно».
class WindowCommands {
 public:
  // Gives `window` its menu bar. `zoom` steps the window's zoom as WindowZoom::Step does; the
  // exercises' spoken texts go to `annotations`.
  WindowCommands(MainForm& form, HWND window, ErrorEdge& edge, Annotations& annotations,
                 std::function<void(int)> zoom);

  // The menu's keys, and the window they are for when pressed in `to`: the main window or the
  // view, where `to` is it or a control in it; nullptr for another window (a message box).
  HACCEL Keys() const { return keys_.get(); }
  HWND KeyTarget(HWND to) const;
  // Ctrl and the wheel over the view, the keys of «Въведете дроб» and those of the exercises (the
  // menu's among them); true when the message was that.
  bool PreTranslate(const MSG& message) {
    return (view_ && view_->PreTranslate(message)) || fraction_.PreTranslate(message) ||
           worksheet_.PreTranslate(message) ||
           (exercises_ && exercises_->PreTranslate(message, keys_.get()));
  }
  // WM_COMMAND of a menu entry or key to the main window; false for any other.
  bool OnCommand(WPARAM w, LPARAM l);

  void Perform(CommandId command, bool in_view);
  void OpenView();
  void OpenExercises();
  // A call into the form has ended: the open view shows the form as it is now.
  void FormChanged() const;
  // The window is shown at another zoom: its menu's zoom entries follow.
  void Zoomed(int percent) const { menu_.Enable(percent); }

 private:
  MainForm& form_;
  HWND window_;
  ErrorEdge& edge_;
  Annotations& annotations_;
  std::function<void(int)> zoom_;
  WindowMenu menu_;
  Accelerators keys_;
  std::unique_ptr<DivisionView> view_;
  FractionDialog fraction_;
  WorksheetDialog worksheet_{window_, form_, edge_};
  std::unique_ptr<ExercisesView> exercises_;
};

}  // namespace drobi::win32
