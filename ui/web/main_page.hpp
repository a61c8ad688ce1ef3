#pragma once

// The program's window as a web page: elements placed as the layout table says, bound to a
// MainForm.
//
// How a click travels: a press on row 7 of Spis(1) selects the option, and the <select> raises a
// change event, which dom_library.js hands to drobi_page_change(control, 7). The page gives it to
// the ListElement of that control, which calls Spis[1].UserClick(7) through the FormEdge. The
// ListBox raises MainForm::Spis_Click(1); the rows that the handlers add, clear or select on the
// way are only noted, and when the outermost handler returns every list shows its rows and its
// selection in one go; before the next frame each scrolls its selection into view and marks the
// rows it shows. The page never calls a handler on its own and keeps no
// state that a handler reads.
//
// The form grows with the browser window: it is laid out at the largest WindowScale that fits the
// window's inner size in CSS pixels below the menu bar (never below 100 %), centred on the back
// colour, and leaves room for the panels of the written division and of the exercises while they
// are open (PlacePage; the two share that room, SharePanels).
// The page's zoom steps multiply that scale; the browser's own zoom makes CSS pixels larger.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/form_edge.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/main_form.hpp"
#include "ui/web/division_panel.hpp"
#include "ui/web/exercises_panel.hpp"
#include "ui/web/list_element.hpp"
#include "ui/web/menu_bar_element.hpp"
#include "ui/web/sheet_dialog.hpp"
#include "ui/web/text_element.hpp"
#include "ui/window_scale.hpp"

namespace drobi::web {

class MainPage {
 public:
  // Makes the page's elements for the form; one page at a time receives the browser's events.
  explicit MainPage(MainForm& form);
  ~MainPage();
  MainPage(const MainPage&) = delete;
  MainPage& operator=(const MainPage&) = delete;

  // The page that the browser's events reach; nullptr before one is made.
  static MainPage* Current() { return current_; }

  // Runs a call into the form as the page's own events do, for calls such as Form_Load.
  template <typename Action>
  bool Guarded(Action&& action) {
    return edge_.Run(std::forward<Action>(action));
  }
  bool Failed() const { return edge_.Failed(); }
  const WindowScale& Scale() const { return scale_; }

  // The browser's events, by the control's place in the layout table.
  void OnChange(int control, int row);
  void OnPress(int control, int row);
  void OnClick(int control);
  void OnFocus(int control);
  void OnInput(int control, std::string text);
  void OnScroll(int control);
  // A command of the menu bar, chosen there, by its shortcut, or on the long number.
  void OnCommand(CommandId command);
  void OnCloseDivision();
  // What was typed into «Въведете дроб»: the fraction into the selected row and the dialog
  // closed, or the message shown in the dialog, which stays open.
  void OnEnterFraction(std::string_view typed);
  // A button, Enter or a key of the panel «Упражнения», with the text of its answer field.
  void OnExercise(ExerciseAction action, std::string_view typed);
  // «Печат…» in «Работен лист», with what its fields hold.
  void OnPrintSheet(std::string_view variants, std::string_view digits, bool divisions);
  // Before the frame that shows what the handlers wrote.
  void OnFrame();
  // Places the form and every control at the scale that fits the browser window.
  void LayOut();

 private:
  void Settle();

  static MainPage* current_;

  MainForm& form_;
  FormEdge edge_;
  std::vector<std::unique_ptr<ListElement>> lists_;  // by control; nullptr for the others
  std::vector<std::unique_ptr<TextElement>> texts_;
  std::unique_ptr<MenuBarElement> menu_;
  std::unique_ptr<DivisionPanel> division_;
  std::unique_ptr<ExercisesPanel> exercises_;
  std::unique_ptr<SheetDialog> sheet_;
  int zoom_ = kZoomSteps[0];  // the page's zoom step, which multiplies the fitted scale
  WindowScale scale_;
};

}  // namespace drobi::web
