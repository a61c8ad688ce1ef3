#pragma once

// The program's window: Qt widgets placed as the layout table says, bound to a MainForm.
//
// How a click travels: a press on row 7 of Spis(1) reaches ListView, which calls
// Spis[1].UserClick(7) through the ErrorEdge. The ListBox selects the row and raises
// MainForm::Spis_Click(1); every row the handlers add, clear or select on the way is passed on at
// once by the ListBox's observer to the view that shows it. When the handler returns, every widget
// already shows the form's state, with no event loop run in between. The window never calls a
// handler on its own and keeps no state that a handler reads.
//
// The window grows as the user drags its frame or zooms (Ctrl and plus, minus or 0, Ctrl and the
// wheel): the form's content is laid out again at the largest WindowScale that fits, centred on
// the window's back colour below the menu bar, which keeps its size.
//
// The menu bar comes from the command table. «Деление в тетрадката» (also Enter or a double click
// on the long number) opens the DivisionWindow, which the window hands the written division after
// every call into the form that ends well. «Въведете дроб…» opens the FractionDialog, whose
// fraction goes into the form through the ErrorEdge like a click; «Упражнения» opens the
// ExercisesWindow, whose «Виж делението» selects the task's row and opens the DivisionWindow;
// «Работен лист…» opens the WorksheetDialog, which reads the form's table through the ErrorEdge.

#include <QFont>
#include <QLocale>
#include <QWidget>
#include <utility>
#include <vector>

#include "core/number_style.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/error_edge.hpp"
#include "ui/window_scale.hpp"

namespace drobi {

class CommandMenuBar;
class DivisionWindow;
class ExercisesWindow;
class FractionDialog;
class ScrollBarStyle;
class WorksheetDialog;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(MainForm& form, QWidget* parent = nullptr);

  // Where an error that escapes a handler goes. By default a message box tells the user, and
  // then the program's event loop ends with ErrorEdge::kExitStatus.
  void SetErrorReporter(ErrorEdge::Reporter reporter) { edge_.SetReporter(std::move(reporter)); }
  void SetErrorEnding(ErrorEdge::Ending ending) { edge_.SetEnding(std::move(ending)); }

  // Runs a call into the form the way the window's own slots do, for calls made from outside the
  // event loop such as Form_Load.
  template <typename Action>
  void Guarded(Action&& action) {
    edge_.Run(std::forward<Action>(action));
  }
  bool Failed() const { return edge_.Failed(); }

  // The scale the content is laid out at.
  const WindowScale& Scale() const { return scale_; }
  // Resizes the window to the zoom step after the present scale in `direction` (+1 larger, -1
  // smaller), or to 100 % for 0; a step larger than the screen's work area stops at the
  // largest that fits.
  void Zoom(int direction);

  // The form's client area, below the menu bar.
  QWidget* ClientArea() const { return content_; }
  CommandMenuBar* Menus() const { return menu_bar_; }
  // The view of the written division; nullptr until it is first opened.
  DivisionWindow* Division() const { return division_; }
  // «Въведете дроб»; nullptr until it is first opened.
  FractionDialog* FractionEntry() const { return fraction_dialog_; }
  // «Упражнения»; nullptr until it is first opened.
  ExercisesWindow* ExercisesView() const { return exercises_window_; }
  // «Работен лист»; nullptr until it is first opened.
  WorksheetDialog* Worksheet() const { return worksheet_dialog_; }

  // What a choice from the menu bar or one of its shortcuts does.
  void Choose(CommandId id);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowError(const ErrorReport& report);
  void CreateControls();
  // Places the content and every control at `scale`, and sizes the fonts and the drawn marks.
  void LayOut(const WindowScale& scale);
  void Rescale(const WindowScale& scale);
  // The window's size for the client area at `scale`, with the menu bar above it.
  QSize WindowSize(const WindowScale& scale) const;
  void OpenDivision();
  void OpenFractionEntry();
  void OpenExercises();
  void OpenWorksheet();
  // Shows the form's written division in the view while it is open.
  void FollowForm();
  void ShowAbout();

  MainForm& form_;
  ErrorEdge edge_;
  QWidget* content_;  // the form's client area, which clips Text1(1)
  CommandMenuBar* menu_bar_;
  int menu_height_;                              // the bar's, the same at every zoom
  DivisionWindow* division_ = nullptr;           // a window of its own, made when first opened
  FractionDialog* fraction_dialog_ = nullptr;    // made when first opened, then reused
  ExercisesWindow* exercises_window_ = nullptr;  // its count lasts while the program runs
  WorksheetDialog* worksheet_dialog_ = nullptr;  // made when first opened, then reused
  std::vector<QWidget*> controls_;               // in the layout's order
  WindowScale scale_;
  // The zoom step asked for last, which the window's size, once it has it, lays out exactly.
  WindowScale zoom_;
  WheelSteps wheel_;
  ScrollBarStyle* bar_style_ = nullptr;  // made at the first zoom, with the window as parent
};

// The font of the window and of every control in it that the layout gives no size of its own.
QFont MainWindowFont();

// The regional number settings of a Qt locale, for the decimal column.
NumberStyle NumberStyleFromLocale(const QLocale& locale);
// The user's regional settings.
NumberStyle SystemNumberStyle();

}  // namespace drobi
