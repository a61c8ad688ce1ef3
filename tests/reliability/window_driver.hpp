#pragma once

#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/reliability/user_action.hpp"
#include "tests/support/qt_lists.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/list_view.hpp"

namespace drobi::testing {

// Carries user actions out on the real window with the mouse and the keyboard, and reads back
// what its widgets show. Mouse events enter through the window, as a user's do, so the widget
// under the pointer takes them and Qt itself makes a double click out of two quick presses.
class WindowDriver {
 public:
  explicit WindowDriver(QWidget& window) : window_(window) {}

  void Perform(const UserAction& action) {
    switch (action.kind) {
      case UserAction::Kind::kClick:
      case UserAction::Kind::kDoubleClick:
        ClickRow(action.list, action.row, action.kind == UserAction::Kind::kDoubleClick);
        return;
      case UserAction::Kind::kKey: {
        ListView* view = List(action.list);
        view->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view, QtKey(action.key));
        return;
      }
      case UserAction::Kind::kClear:
        Click(Named("Command1"), Named("Command1")->rect().center());
        return;
      case UserAction::Kind::kGreenSquare:
        Click(Named("Label1"), Named("Label1")->rect().center());
        return;
      case UserAction::Kind::kType:
        Type(action.field, action.text);
        return;
    }
  }

  const ListView& Dylgo() const { return *List(UserAction::kDylgo); }

  // Every way in which the widgets differ from the form's controls; empty when they agree.
  std::vector<std::string> Differences(const MainForm& form) const {
    std::vector<std::string> out;
    for (int list = 0; list <= UserAction::kDylgo; ++list) {
      const ListBox& box = list == UserAction::kDylgo ? form.Dylgo : form.Spis[std::size_t(list)];
      const ListView* view = List(list);
      std::vector<std::string> shown;
      for (int row = 0; row < RowCount(*view); ++row) {
        shown.push_back(RowData(*view, row).toString().toStdString());
      }
      const std::string name = view->objectName().toStdString();
      if (shown != box.Rows()) {
        out.push_back(name + " shows " + std::to_string(shown.size()) + " rows unlike the list's " +
                      std::to_string(box.ListCount()));
      }
      const int shown_index = SelectedRow(*view);
      if (shown_index != box.ListIndex()) {
        out.push_back(name + " shows row " + std::to_string(shown_index) +
                      " selected, the list row " + std::to_string(box.ListIndex()));
      }
    }
    for (std::size_t i = 0; i < 2; ++i) {
      const std::string shown = Field(static_cast<int>(i))->toPlainText().toStdString();
      if (shown != form.Text1[i].Text()) {
        out.push_back("Text1(" + std::to_string(i) + ") shows «" + shown + "», the field holds «" +
                      form.Text1[i].Text() + "»");
      }
    }
    return out;
  }

 private:
  static Qt::Key QtKey(UserAction::Key key) {
    switch (key) {
      case UserAction::Key::kUp:
        return Qt::Key_Up;
      case UserAction::Key::kDown:
        return Qt::Key_Down;
      case UserAction::Key::kPageUp:
        return Qt::Key_PageUp;
      case UserAction::Key::kPageDown:
        return Qt::Key_PageDown;
      case UserAction::Key::kHome:
        return Qt::Key_Home;
      case UserAction::Key::kEnd:
        return Qt::Key_End;
    }
    return Qt::Key_unknown;
  }

  QWidget* Named(const std::string& name) const {
    auto* widget = window_.findChild<QWidget*>(QString::fromStdString(name));
    if (widget == nullptr) throw std::logic_error("the window has no " + name);
    return widget;
  }
  ListView* List(int list) const {
    auto* view = qobject_cast<ListView*>(Named(
        list == UserAction::kDylgo ? std::string("Dylgo") : "Spis(" + std::to_string(list) + ")"));
    if (view == nullptr) throw std::logic_error("a list is not a ListView");
    return view;
  }
  QPlainTextEdit* Field(int field) const {
    auto* edit = qobject_cast<QPlainTextEdit*>(Named("Text1(" + std::to_string(field) + ")"));
    if (edit == nullptr) throw std::logic_error("a text field is not a QPlainTextEdit");
    return edit;
  }

  void Click(QWidget* widget, QPoint at, bool twice = false) {
    const QPoint in_window = widget->mapTo(&window_, at);
    if (twice) {
      QTest::mouseDClick(window_.windowHandle(), Qt::LeftButton, {}, in_window);
    } else {
      QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, in_window);
    }
  }

  // A row is scrolled into view first, as the user would with the scroll bar. The blank below the
  // last row is clicked only where the rows leave one.
  void ClickRow(int list, int row, bool twice) {
    ListView* view = List(list);
    QWidget* viewport = view->viewport();
    const int count = RowCount(*view);
    if (row < count) {
      ScrollToRow(*view, row);
      Click(viewport, RowRect(*view, row).center(), twice);
      return;
    }
    int below = 2;
    if (count > 0) {
      ScrollToRow(*view, count - 1);
      below = RowRect(*view, count - 1).bottom() + 3;
    }
    if (below < viewport->height() - 1)
      Click(viewport, QPoint(viewport->width() / 2, below), twice);
  }

  // A click into the field's visible top, Ctrl+End to the end of the text, then the keys.
  void Type(int field, const std::string& text) {
    QPlainTextEdit* edit = Field(field);
    Click(edit->viewport(), QPoint(20, 8));
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    if (text.empty()) {
      QTest::keyClick(edit, Qt::Key_Backspace);
    } else if (text == "\n") {
      QTest::keyClick(edit, Qt::Key_Return);
    } else {
      // QTest's keyClicks takes Latin-1 only; a Cyrillic key is a key event with its text.
      for (const QChar c : QString::fromStdString(text)) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  }

  QWidget& window_;
};

}  // namespace drobi::testing
