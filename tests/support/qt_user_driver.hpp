#pragma once

// The Qt window driven as a user does: mouse events enter through the window, so the widget under
// the pointer takes them and Qt itself makes a double click out of two quick presses; keys go to
// the widget with the focus. A command is chosen with two clicks, on its menu's title in the menu
// bar and on its entry in the menu that opens.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QWidget>
#include <QWindow>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/qt_lists.hpp"
#include "tests/support/user_driver.hpp"
#include "ui/qt/command_menu_bar.hpp"
#include "ui/qt/division_window.hpp"
#include "ui/qt/exercises_window.hpp"
#include "ui/qt/fraction_dialog.hpp"
#include "ui/qt/list_view.hpp"
#include "ui/qt/main_window.hpp"

namespace drobi::testing {

class QtUserDriver : public UserDriver {
 public:
  explicit QtUserDriver(MainWindow& window) : window_(window) {}

  void ClickRow(const std::string& list, int row, bool twice = false) override {
    ListView* view = List(list);
    QWidget* viewport = view->viewport();
    const int count = RowCount(*view);
    if (row < count) {
      ScrollToRow(*view, row);
      ClickAt(viewport, RowRect(*view, row).center(), twice);
      return;
    }
    int below = 2;
    if (count > 0) {
      ScrollToRow(*view, count - 1);
      below = RowRect(*view, count - 1).bottom() + 3;
    }
    if (below < viewport->height() - 1) {
      ClickAt(viewport, QPoint(viewport->width() / 2, below), twice);
    }
  }
  void Click(const std::string& control) override {
    QWidget* widget = Named(control);
    ClickAt(widget, widget->rect().center(), false);
  }
  void Focus(const std::string& control) override { Named(control)->setFocus(Qt::TabFocusReason); }
  void Press(Key key) override { QTest::keyClick(FocusWidget(), QtKey(key)); }
  void Type(const std::string& field, const std::string& text) override {
    QPlainTextEdit* edit = Field(field);
    ClickAt(edit->viewport(), QPoint(20, 8), false);
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    if (text.empty()) QTest::keyClick(edit, Qt::Key_Backspace);
    TypeInto(edit, text);
  }

  std::vector<std::string> Rows(const std::string& list) const override {
    return ShownRows(*List(list));
  }
  int Selected(const std::string& list) const override { return SelectedRow(*List(list)); }
  std::string Text(const std::string& field) const override {
    return Field(field)->toPlainText().toStdString();
  }
  std::string Focused() const override {
    const QWidget* focus = window_.focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : "";
  }
  Rgb ColourAt(int x, int y) const override {
    QWidget& client = *window_.ClientArea();
    const QImage image = client.grab().toImage();
    const qreal scale = image.width() / qreal(client.width());
    const QColor seen = image.pixelColor((QPointF(x, y) * scale).toPoint());
    return {seen.red(), seen.green(), seen.blue()};
  }

  void Choose(CommandId command) override {
    CommandMenuBar& bar = *window_.Menus();
    QAction* entry = bar.Action(command);
    for (QAction* title : bar.actions()) {
      QMenu* menu = title->menu();
      if (menu == nullptr || !menu->actions().contains(entry)) continue;
      QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(title).center());
      if (!menu->isVisible()) throw std::logic_error("a click on its title opens no menu");
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
      // A disabled entry leaves the menu open, which the user then closes.
      if (menu->isVisible()) QTest::keyClick(menu, Qt::Key_Escape);
      return;
    }
    throw std::logic_error("no menu holds the command");
  }
  std::vector<std::string> DivisionLines() const override {
    const DivisionWindow* view = window_.Division();
    if (view == nullptr || !view->isVisible()) return {};
    std::vector<std::string> lines;
    for (QTextBlock line = view->Lines()->document()->begin(); line.isValid(); line = line.next()) {
      lines.push_back(line.text().toStdString());
    }
    return lines;
  }
  std::string EnterFraction(const std::string& typed) override {
    Choose(CommandId::kEnterFraction);
    FractionDialog* dialog = window_.FractionEntry();
    if (dialog == nullptr || !dialog->isVisible()) throw std::logic_error("no dialog opened");
    TypeInto(dialog->Field(), typed + "\n");
    if (!dialog->isVisible()) return "";
    const std::string message = dialog->Message()->text().toStdString();
    QTest::keyClick(dialog->Field(), Qt::Key_Escape);
    if (dialog->isVisible()) throw std::logic_error("Escape leaves the dialog open");
    return message;
  }
  std::vector<std::string> Exercise(TaskKind kind, const std::string& answer) override {
    if (window_.ExercisesView() == nullptr || !window_.ExercisesView()->isVisible()) {
      Choose(CommandId::kExercises);
    }
    ExercisesWindow& view = *window_.ExercisesView();
    QRadioButton* choice = view.KindChoice(kind);
    if (!choice->isChecked()) QTest::mouseClick(choice, Qt::LeftButton);
    const std::string question = view.QuestionLine()->text().toStdString();
    if (kind == TaskKind::kEndsOrRepeats) {
      // The key alone, on whatever has the focus in the view.
      TypeInto(view.focusWidget() != nullptr ? view.focusWidget() : &view, answer);
    } else {
      QLineEdit* field = view.AnswerField();
      QTest::mouseClick(field, Qt::LeftButton);
      TypeInto(field, answer + "\n");
    }
    std::vector<std::string> shown{question, view.VerdictLine()->text().toStdString(),
                                   view.CountLine()->text().toStdString()};
    // Enter again, on «Следваща задача» which has the focus after a verdict.
    if (view.focusWidget() != view.NextTask())
      throw std::logic_error("the verdict leaves the focus");
    QTest::keyClick(view.NextTask(), Qt::Key_Return);
    return shown;
  }

 private:
  // Keys as the user types them; QTest's keyClicks takes Latin-1 only, so a Cyrillic key is a key
  // event with its text.
  static void TypeInto(QWidget* widget, const std::string& text) {
    for (const QChar c : QString::fromStdString(text)) {
      if (c == u'\n') {
        QTest::keyClick(widget, Qt::Key_Return);
      } else {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  }

  static Qt::Key QtKey(Key key) {
    static constexpr Qt::Key kKeys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                        Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                        Qt::Key_Tab};
    return kKeys[static_cast<int>(key)];
  }

  QWidget* Named(const std::string& name) const {
    auto* widget = window_.findChild<QWidget*>(QString::fromStdString(name));
    if (widget == nullptr) throw std::logic_error("the window has no " + name);
    return widget;
  }
  ListView* List(const std::string& name) const {
    auto* view = qobject_cast<ListView*>(Named(name));
    if (view == nullptr) throw std::logic_error(name + " is not a ListView");
    return view;
  }
  QPlainTextEdit* Field(const std::string& name) const {
    auto* edit = qobject_cast<QPlainTextEdit*>(Named(name));
    if (edit == nullptr) throw std::logic_error(name + " is not a QPlainTextEdit");
    return edit;
  }
  QWidget* FocusWidget() const {
    QWidget* focus = window_.focusWidget();
    if (focus == nullptr) throw std::logic_error("nothing in the window has the focus");
    return focus;
  }

  void ClickAt(QWidget* widget, QPoint at, bool twice) {
    const QPoint in_window = widget->mapTo(&window_, at);
    if (twice) {
      QTest::mouseDClick(window_.windowHandle(), Qt::LeftButton, {}, in_window);
    } else {
      QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, in_window);
    }
  }

  MainWindow& window_;
};

}  // namespace drobi::testing
