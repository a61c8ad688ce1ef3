#include "ui/qt/program.hpp"

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/random_source.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/lazy_icon_style.hpp"
#include "ui/qt/main_window.hpp"
#include "ui/qt/start_up.hpp"

namespace drobi {

int RunProgram(int argc, char* argv[], const std::function<void(MainWindow&)>& shown) {
  if (DisplayMissing([](const char* name) { return std::getenv(name); })) {
    std::fprintf(stderr, "%s\n", kNoDisplayHint);
    return 1;
  }
  std::optional<PlatformStartGuard> platform_guard(std::in_place);
  QApplication app(argc, argv);
  platform_guard.reset();
  // Qt's own texts (tool tips, the error box) and the empty documents of new text fields use the
  // application font; making it the window's keeps a second font from being loaded at start-up.
  QApplication::setFont(MainWindowFont());
  QApplication::setStyle(new LazyIconStyle(QApplication::style()));

  QTranslator qt_texts;
  InstallQtTexts(app, qt_texts);

  ClockRandomSource random;
  MainForm form(random, SystemNumberStyle());
  MainWindow window(form);
  window.Guarded([&form] { form.Form_Load(); });
  if (window.Failed()) return ErrorEdge::kExitStatus;
  window.show();
  if (shown) shown(window);
  return QApplication::exec();
}

}  // namespace drobi
