#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/random_source.hpp"
#include "ui/main_form.hpp"
#include "ui/main_window.hpp"
#include "ui/start_up.hpp"

namespace {

// DROBI_SCREENSHOT=file.png: saves what the display shows of the window once it is on screen,
// then quits. The test suite uses it to look at the window under Xvfb.
void SaveScreenshotAndQuit(QWidget& window, const QString& path, int attempts_left = 100) {
  QWindow* handle = window.windowHandle();
  if (handle == nullptr || !handle->isExposed()) {
    if (attempts_left == 0) {
      std::fprintf(stderr, "drobi: the window never came on screen\n");
      QCoreApplication::exit(1);
      return;
    }
    QTimer::singleShot(50, &window, [&window, path, attempts_left] {
      SaveScreenshotAndQuit(window, path, attempts_left - 1);
    });
    return;
  }
  // Give the first paint time to reach the display before reading it back.
  QTimer::singleShot(300, &window, [&window, path] {
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const bool saved = shot.save(path, "PNG");
    if (!saved) std::fprintf(stderr, "drobi: cannot write %s\n", qPrintable(path));
    QCoreApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  if (drobi::DisplayMissing([](const char* name) { return std::getenv(name); })) {
    std::fprintf(stderr, "%s\n", drobi::kNoDisplayHint);
    return 1;
  }
  std::optional<drobi::PlatformStartGuard> platform_guard(std::in_place);
  QApplication app(argc, argv);
  platform_guard.reset();
  // Qt's own texts (tool tips, the error box) and the empty documents of new text fields use the
  // application font; making it the window's keeps a second font from being loaded at start-up.
  QApplication::setFont(drobi::MainWindowFont());

  QTranslator qt_texts;
  drobi::InstallQtTexts(app, qt_texts);

  drobi::ClockRandomSource random;
  drobi::MainForm form(random, drobi::SystemNumberStyle());
  drobi::MainWindow window(form);
  window.Guarded([&form] { form.Form_Load(); });
  if (window.Failed()) return drobi::ErrorEdge::kExitStatus;
  window.show();

  const QString screenshot = qEnvironmentVariable("DROBI_SCREENSHOT");
  if (!screenshot.isEmpty()) SaveScreenshotAndQuit(window, screenshot);
  return app.exec();
}
