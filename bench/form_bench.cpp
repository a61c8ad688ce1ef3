// The handlers of the headless form, timed as the window runs them: Form_Load on a freshly built
// form, and the user's clicks with the long number at its largest (90 digits).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/random_source.hpp"
#include "tests/support/scripted_random.hpp"
#include "ui/lesson/quotient_notes.hpp"
#include "ui/lesson/written_division.hpp"
#include "ui/lists.hpp"
#include "ui/main_form.hpp"

namespace drobi {
namespace {

constexpr int kNinetyDigits = 8;  // row of "90" in Spis(5)

// A form in its opening state with the long number at 90 digits.
class OpenForm {
 public:
  OpenForm() {
    form_.Form_Load();
    form_.Spis[kLongDigits].UserClick(kNinetyDigits);
  }
  MainForm& operator*() { return form_; }
  MainForm* operator->() { return &form_; }

 private:
  ClockRandomSource random_;
  MainForm form_{random_};
};

void Form_Load(benchmark::State& state) {
  ClockRandomSource random;
  std::unique_ptr<MainForm> form;
  for (auto _ : state) {
    state.PauseTiming();
    form.reset();
    form = std::make_unique<MainForm>(random);
    state.ResumeTiming();
    form->Form_Load();
    benchmark::DoNotOptimize(form->Dylgo.ListCount());
  }
}
BENCHMARK(Form_Load)->Repetitions(5)->ReportAggregatesOnly(true);

// What the window does before it is shown: the controls with their preset rows and description,
// then Form_Load.
void NewFormAndLoad(benchmark::State& state) {
  ClockRandomSource random;
  for (auto _ : state) {
    MainForm form(random);
    form.Form_Load();
    benchmark::DoNotOptimize(form.Dylgo.ListCount());
  }
}
BENCHMARK(NewFormAndLoad)->Repetitions(5)->ReportAggregatesOnly(true);

// A click on another fraction row: the nested handlers of the three lists each run ShowLongNumber.
void ClickFractionRow90(benchmark::State& state) {
  OpenForm form;
  const int list = static_cast<int>(state.range(0));
  int row = 0;
  for (auto _ : state) {
    row = (row + 7) % kTableRows;  // always a row other than the selected one
    form->Spis[list].UserClick(row);
    benchmark::DoNotOptimize(form->Dylgo.ListCount());
  }
}
BENCHMARK(ClickFractionRow90)
    ->ArgName("list")
    ->Arg(kNumerators)
    ->Arg(kDenominators)
    ->Arg(kQuotients)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A click on the interval list: a new table, its quotients and the long number of row 0.
void ClickInterval90(benchmark::State& state) {
  OpenForm form;
  int row = 1;
  for (auto _ : state) {
    row = (row + 1) % form->Spis[kInterval].ListCount();
    form->Spis[kInterval].UserClick(row);
    benchmark::DoNotOptimize(form->Dylgo.ListCount());
  }
}
BENCHMARK(ClickInterval90)->Repetitions(5)->ReportAggregatesOnly(true);

// The hover texts of the sixteen quotient rows of a new table at interval 1000 (row 6 of Spis(3)),
// each table new to the notes, so that none is answered from before.
void QuotientHoverTexts1000(benchmark::State& state) {
  OpenForm form;
  std::vector<SpisArray> tables;
  for (int i = 0; i < 64; ++i, tables.push_back(form->Spis)) form->Spis[kInterval].UserClick(6);
  std::size_t next = 0;
  for (auto _ : state) {
    const QuotientNotes notes(tables[next++ % tables.size()], form->Style());
    for (int row = 0; row < kTableRows; ++row) benchmark::DoNotOptimize(notes.HoverText(row));
  }
}
BENCHMARK(QuotientHoverTexts1000)->Repetitions(5)->ReportAggregatesOnly(true);

// The written division's text, as the view recomputes it after every call into the form, for the
// longest working there is at 90 digits: 1/97, whose period of 96 digits is never reached.
void WrittenDivision90(benchmark::State& state) {
  testing::ScriptedRandom random(
      testing::StartDrawsFor(std::vector<testing::Fraction>(kTableRows, testing::Fraction{1, 2})));
  MainForm form(random);
  form.Form_Load();
  std::vector<testing::Fraction> table(kTableRows, testing::Fraction{1, 2});
  table[0] = {1, 97};
  random.Script(testing::DrawsFor(table, 100));
  form.Spis[kInterval].UserClick(3);  // "100"
  form.Spis[kLongDigits].UserClick(kNinetyDigits);
  form.Dylgo.UserClick(45);
  if (form.Spis[kDenominators].List(0) != "97") state.SkipWithError("no 1/97 in the table");
  for (auto _ : state) benchmark::DoNotOptimize(WrittenDivisionOf(form));
  state.counters["lines"] = static_cast<double>(WrittenDivisionOf(form).lines.size());
}
BENCHMARK(WrittenDivision90)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace drobi
