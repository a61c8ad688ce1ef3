// The benchmarks' entry point when the window benchmarks are built: they need a QApplication,
// which runs on the offscreen platform so that neither a display nor its load is involved.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/qt/main_window.hpp"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(drobi::MainWindowFont());  // as the program does
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
