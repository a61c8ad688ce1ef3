// The program as it starts, put into a state that no user action reaches, and then the one user
// action that trips over it. It is the only way to see the window's error path from outside: the
// run-time error must be shown in a message box, and the program must end with a non-zero status
// instead of crashing, hanging or letting the exception through Qt's event loop.
//
// Usage: drobi_broken_state SCENARIO, where SCENARIO is
//   no-interval   never loaded, so no interval is selected; a click on 2 digits makes a table
//   lost-interval the interval list emptied after start; "Чисти", then Down in the digit list
//   no-row        the numerators lose their selection; a click on 90 digits reads row -1
// The message box is answered with Enter as a user would; its text goes to standard output.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/random_source.hpp"
#include "tests/support/qt_lists.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/list_view.hpp"
#include "ui/qt/main_window.hpp"

namespace {

void ClickRow(QWidget& window, const char* list, int row) {
  auto* view = window.findChild<drobi::ListView*>(QString::fromUtf8(list));
  drobi::testing::ScrollToRow(*view, row);
  const QPoint at = view->viewport()->mapTo(&window, drobi::testing::RowRect(*view, row).center());
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
}

void ClickButton(QWidget& window, const char* name) {
  auto* button = window.findChild<QPushButton*>(QString::fromUtf8(name));
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                    button->mapTo(&window, button->rect().center()));
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string scenario = argc > 1 ? argv[1] : "";
  if (scenario != "no-interval" && scenario != "lost-interval" && scenario != "no-row") {
    std::fprintf(stderr, "usage: drobi_broken_state no-interval|lost-interval|no-row\n");
    return 2;
  }
  QApplication app(argc, argv);
  drobi::ClockRandomSource random;
  drobi::MainForm form(random);
  drobi::MainWindow window(form);
  if (scenario != "no-interval") {
    window.Guarded([&form] { form.Form_Load(); });
    if (window.Failed()) return 3;  // the start-up itself must not fail
  }
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 4;

  if (scenario == "lost-interval") form.Spis[drobi::kInterval].Clear();
  if (scenario == "no-row") {
    // The same rows again, added without a selection: Spis(1) and Spis(2) keep theirs.
    const std::vector<std::string> rows = form.Spis[drobi::kNumerators].Rows();
    form.Spis[drobi::kNumerators].Clear();
    for (const std::string& row : rows) form.Spis[drobi::kNumerators].AddItem(row);
  }

  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, &answer, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    std::printf("message box: %s | %s\n", qPrintable(box->text().simplified()),
                qPrintable(box->informativeText().simplified()));
    std::fflush(stdout);
    QTest::keyClick(box, Qt::Key_Enter);
  });
  answer.start(20);

  QTimer::singleShot(0, &window, [&window, &scenario] {
    if (scenario == "no-interval") {
      ClickRow(window, "Spis(4)", 2);
    } else if (scenario == "lost-interval") {
      ClickButton(window, "Command1");
      auto* digits = window.findChild<drobi::ListView*>(QStringLiteral("Spis(4)"));
      digits->setFocus(Qt::TabFocusReason);
      QTest::keyClick(digits, Qt::Key_Down);
    } else {
      ClickRow(window, "Spis(5)", 8);
    }
    // Reached only if the action did not end the program: a second action must go nowhere.
    ClickRow(window, "Spis(3)", 0);
  });
  const int status = QApplication::exec();
  std::printf("event loop ended with %d\n", status);
  return status;
}
