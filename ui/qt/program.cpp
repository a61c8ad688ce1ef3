#include "ui/qt/program.hpp"

#include <QApplication>
#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/random_source.hpp"
#include "ui/error_report.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/lazy_icon_style.hpp"
#include "ui/qt/main_window.hpp"
#include "ui/qt/sheet_painter.hpp"
#include "ui/qt/start_up.hpp"
#include "ui/qt/worksheet_dialog.hpp"

namespace drobi {
namespace {

// `drobi --worksheet FILE.pdf …`: the sheets written without a window, then the program ends with
// 0, 1 when the file could not be written (nothing left under its name) or the sheets could not
// be made, or 2 for a wrong command, each failure told on stderr.
int WriteWorksheet(int argc, char* argv[], const std::vector<std::string>& arguments) {
  const auto read = ReadWorksheetCommand(arguments);
  if (const auto* message = std::get_if<std::string>(&read)) {
    std::fprintf(stderr, "drobi: %s\n", message->c_str());
    return 2;
  }
  const WorksheetCommand& command = std::get<WorksheetCommand>(read);
  // The fonts need a QGuiApplication, which needs no display on the offscreen platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ClockRandomSource random;
  random.Randomize();
  SheetDocument pages;
  try {
    pages = WorksheetPages(DrawnTables(command.interval, random, command.variants),
                           {command.variants, command.digits, false}, SystemNumberStyle());
  } catch (...) {
    // Told as the window's error box tells an error of the form, and with its status.
    const ErrorReport report = DescribeError(std::current_exception());
    const QString message = QString::fromStdString(ErrorMessage(report.number, report.text));
    std::fprintf(stderr, "drobi: %s\n", message.simplified().toLocal8Bit().constData());
    return ErrorEdge::kExitStatus;
  }
  const QString path = QString::fromLocal8Bit(command.file.c_str());
  const QFileDevice::FileError error =
      WriteSheetsPdf(pages, path, QString::fromUtf8(kWorksheetTitle));
  if (error == QFileDevice::NoError) return 0;
  std::fprintf(stderr, "drobi: %s\n", SheetsNotSaved(path, error).toLocal8Bit().constData());
  return 1;
}

}  // namespace

int RunProgram(int argc, char* argv[], const std::function<void(MainWindow&)>& shown) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (AsksForWorksheet(arguments)) return WriteWorksheet(argc, argv, arguments);
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
