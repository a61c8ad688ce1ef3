#pragma once

// The program's window: Qt widgets placed as the layout table says, bound to a MainForm.
//
// How a click travels: a press on row 7 of Spis(1) reaches ListView, which calls
// Spis[1].UserClick(7) through the ErrorEdge. The ListBox selects the row and raises
// MainForm::Spis_Click(1); every row the handlers add, clear or select on the way is passed on at
// once by the ListBox's observer to the view that shows it. When the handler returns, every widget
// already shows the form's state, with no event loop run in between. The window never calls a
// handler on its own and keeps no state that a handler reads.

#include <QFont>
#include <QLocale>
#include <QWidget>
#include <utility>

#include "core/number_style.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/error_edge.hpp"

namespace drobi {

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

 private:
  void ShowError(const ErrorReport& report);

  MainForm& form_;
  ErrorEdge edge_;
};

// The font of the window and of every control in it that the layout gives no size of its own.
QFont MainWindowFont();

// The regional number settings of a Qt locale, for the decimal column.
NumberStyle NumberStyleFromLocale(const QLocale& locale);
// The user's regional settings.
NumberStyle SystemNumberStyle();

}  // namespace drobi
