// The largest worksheet the dialog makes: 40 variants with their keys and written divisions, from
// drawing the tables to the PDF whole on disk, as «Запази като PDF…» does it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "core/random_source.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/qt/sheet_painter.hpp"

namespace drobi {
namespace {

void WorksheetPdf40(benchmark::State& state) {
  const QTemporaryDir folder;
  const QString file = QDir(folder.path()).filePath(QStringLiteral("sheets.pdf"));
  ClockRandomSource random;
  NumberStyle style;
  style.decimal_separator = ",";
  std::size_t pages = 0;
  for (auto _ : state) {
    const SheetDocument sheets =
        WorksheetPages(DrawnTables(20, random, kMostVariants), {kMostVariants, 4, true}, style);
    if (WriteSheetsPdf(sheets, file, QStringLiteral("drobi")) != QFileDevice::NoError) {
      std::exit(1);
    }
    pages = sheets.pages.size();
  }
  state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(WorksheetPdf40)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drobi
