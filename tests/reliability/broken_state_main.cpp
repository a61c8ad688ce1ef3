// The program as it starts, put into a state that no user action reaches, and then the user's
// actions that trip over it. It is the only way to see the window's error path from outside: the
// run-time error must be shown in a message box, and the program must end with a non-zero status
// instead of crashing, hanging or letting the exception through Qt's event loop.
//
// Usage: drobi_broken_state SCENARIO, where SCENARIO is one of the shared broken states
// (tests/support/broken_states.hpp). The message box is answered with Enter as a user would; its
// text goes to standard output.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "core/random_source.hpp"
#include "tests/support/broken_states.hpp"
#include "tests/support/qt_user_driver.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/main_window.hpp"

int main(int argc, char* argv[]) {
  const drobi::testing::BrokenState* state =
      drobi::testing::FindBrokenState(argc > 1 ? argv[1] : "");
  if (state == nullptr) {
    std::fprintf(stderr, "usage: drobi_broken_state SCENARIO\n");
    return 2;
  }
  QApplication app(argc, argv);
  drobi::ClockRandomSource random;
  drobi::MainForm form(random);
  drobi::MainWindow window(form);
  if (state->loaded) {
    window.Guarded([&form] { form.Form_Load(); });
    if (window.Failed()) return 3;  // the start-up itself must not fail
    state->spoil(form);
  }
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 4;
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) return 5;

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

  drobi::testing::QtUserDriver driver(window);
  QTimer::singleShot(0, &window, [&driver, state] {
    state->trip(driver);
    // Reached only if the actions did not end the program: a further action must go nowhere.
    driver.ClickRow("Spis(3)", 0);
  });
  const int status = QApplication::exec();
  std::printf("event loop ended with %d\n", status);
  return status;
}
