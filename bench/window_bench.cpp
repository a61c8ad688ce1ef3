// The same clicks as form_bench.cpp, made with the mouse on the real widgets of the window on the
// offscreen platform, and timed until the window has repainted what changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "core/random_source.hpp"
#include "tests/support/qt_lists.hpp"
#include "tests/support/scripted_random.hpp"
#include "ui/lists.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/command_menu_bar.hpp"
#include "ui/qt/division_window.hpp"
#include "ui/qt/list_view.hpp"
#include "ui/qt/main_window.hpp"
#include "ui/window_layout.hpp"

namespace drobi {
namespace {

constexpr int kNinetyDigits = 8;  // row of "90" in Spis(5)

// The program's window in its opening state with the long number at 90 digits. Counts the paint
// events of its widgets, so that a benchmark can show that its clicks were drawn.
class OpenWindow : public QObject {
 public:
  OpenWindow() {
    window_.SetErrorReporter([](const ErrorReport& report) {
      std::fprintf(stderr, "error %d: %s\n", report.number, report.text.c_str());
    });
    window_.SetErrorEnding([](int status) { std::exit(status); });
    window_.Guarded([this] { form_.Form_Load(); });
    window_.Guarded([this] { form_.Spis[kLongDigits].UserClick(kNinetyDigits); });
    window_.show();
    if (!QTest::qWaitForWindowExposed(&window_)) std::exit(1);
    QApplication::processEvents();
    qApp->installEventFilter(this);
  }
  ~OpenWindow() override { qApp->removeEventFilter(this); }
  OpenWindow(const OpenWindow&) = delete;
  OpenWindow& operator=(const OpenWindow&) = delete;

  // A press and release on row `row` of the list, then everything the window does about it,
  // its repaint included.
  void Click(const char* list, int row) {
    auto* view = window_.findChild<ListView*>(QString::fromUtf8(list));
    if (view == nullptr) std::exit(1);
    const QPoint centre = testing::RowRect(*view, row).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QApplication::processEvents();
  }

  long long Paints() const { return paints_; }
  MainWindow& Window() { return window_; }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_;
    return false;
  }

 private:
  ClockRandomSource random_;
  MainForm form_{random_, SystemNumberStyle()};
  MainWindow window_{form_};
  long long paints_ = 0;
};

// Rows 0 and 1 are in view in every list, so the user can click them without scrolling.
void RunClicks(benchmark::State& state, const char* list) {
  OpenWindow window;
  int row = 0;
  for (auto _ : state) {
    row = 1 - row;
    window.Click(list, row);
  }
  state.counters["paints/click"] =
      static_cast<double>(window.Paints()) / static_cast<double>(state.iterations());
}

void WindowClickFractionRow90(benchmark::State& state) {
  static constexpr const char* kLists[] = {"Spis(0)", "Spis(1)", "Spis(2)"};
  RunClicks(state, kLists[state.range(0)]);
}
BENCHMARK(WindowClickFractionRow90)
    ->ArgName("list")
    ->Arg(kNumerators)
    ->Arg(kDenominators)
    ->Arg(kQuotients)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void WindowClickInterval90(benchmark::State& state) { RunClicks(state, "Spis(3)"); }
BENCHMARK(WindowClickInterval90)->Repetitions(5)->ReportAggregatesOnly(true);

// The window dragged from 100 % to 300 % (a whiteboard) with the long number at 90 digits: one
// re-layout of every control, font and scroll bar, and the repaint; the median is of single ones.
void WindowRelayout300(benchmark::State& state) {
  static OpenWindow window;
  const WindowLayout& form = MainWindowLayout();
  const int bar = window.Window().Menus()->height();  // above the form, the same at any zoom
  for (auto _ : state) {
    // 300 %: 1698 × 978
    window.Window().resize(form.client_width / 5, form.client_height / 5 + bar);
    QApplication::processEvents();
    state.PauseTiming();
    if (window.Window().Scale().Factor() != 3) state.SkipWithError("not laid out at 300 %");
    window.Window().resize(form.client_width / 15, form.client_height / 15 + bar);
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(WindowRelayout300)->Iterations(1)->Repetitions(20)->Unit(benchmark::kMillisecond);

// The written division of 1/97 to 90 digits (182 lines of working) zoomed to 300 % for a
// projector: one re-layout of its text in the font of 300 % and the repaint; the median is of
// single ones, from 250 % each time.
void DivisionViewRelayout300(benchmark::State& state) {
  std::vector<testing::Fraction> table(kTableRows, testing::Fraction{1, 2});
  testing::ScriptedRandom random(testing::StartDrawsFor(table));
  MainForm form(random, SystemNumberStyle());
  MainWindow window(form);
  window.SetErrorEnding([](int status) { std::exit(status); });
  window.Guarded([&form] { form.Form_Load(); });
  table[0] = {1, 97};
  random.Script(testing::DrawsFor(table, 100));
  window.Guarded([&form] { form.Spis[kInterval].UserClick(3); });  // "100"
  window.Guarded([&form] { form.Spis[kLongDigits].UserClick(kNinetyDigits); });
  window.show();
  window.Choose(CommandId::kDivisionView);
  DivisionWindow& view = *window.Division();
  if (!QTest::qWaitForWindowExposed(&view)) std::exit(1);
  for (int step = 0; step < 5; ++step) view.Zoom(1);
  QApplication::processEvents();
  for (auto _ : state) {
    view.Zoom(1);
    QApplication::processEvents();
    state.PauseTiming();
    if (view.ZoomPercent() != 300) state.SkipWithError("not zoomed to 300 %");
    view.Zoom(-1);
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["lines"] = static_cast<double>(view.Text().lines.size());
}
BENCHMARK(DivisionViewRelayout300)->Iterations(1)->Repetitions(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drobi
