// A quotient row's hover text as the Windows window shows it under a real pointer.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/window_driver.hpp"
#include "ui/quotient_notes.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/number_style.hpp"
#include "ui/win32/program.hpp"

namespace drobi::win32::testing {
namespace {

// Interval 50: 1/8 ends, 1/6 repeats after a digit, 1/97 is cut after 60 digits.
const std::vector<Fraction> kNotesTable{{3, 7},  {1, 6}, {1, 8},  {22, 7}, {1, 97}, {-3, 7},
                                        {1, 12}, {0, 9}, {13, 1}, {7, 3},  {1, 2},  {1, 2},
                                        {1, 2},  {1, 2}, {1, 2},  {1, 2}};

TEST(QuotientHover, RowShowsItsExactValueAndWhy) {
  drobi::testing::ScriptedRandom random(StartDraws());
  MainForm form(random, SystemNumberStyle());
  MainWindow window(form, GetModuleHandleW(nullptr));
  window.SetErrorReporter([](const ErrorReport& report) { ADD_FAILURE() << report.text; });
  ASSERT_TRUE(window.Guarded([&form] { form.Form_Load(); }));
  window.Show(SW_SHOWNORMAL);
  SetForegroundWindow(window.Handle());
  const auto pump = [&window](const std::function<bool()>& done) {
    return PumpUntil([&window](const MSG& message) { Dispatch(window, message); }, done);
  };
  random.Script(DrawsFor(kNotesTable, 50));
  ClickRow(window.Control("Spis(3)"), 2);
  ASSERT_TRUE(pump([&form] { return form.Spis[kDenominators].List(4) == "97"; }));
  const QuotientNotes notes(form.Spis, form.Style());
  const HWND quotients = window.Control("Spis(2)");
  const HWND tip = window.Tooltip();
  for (const int row : {2, 1, 4}) {
    MoveMouse(POINT{0, 700});  // away, so that the tip comes up anew over the row
    ASSERT_TRUE(pump([tip] { return IsWindowVisible(tip) == FALSE; }));
    MoveMouse(CentreOf(quotients, RowBox(quotients, row)));
    ASSERT_TRUE(pump([tip] { return IsWindowVisible(tip) != FALSE; }));
    EXPECT_EQ(TextOf(tip), Utf8Of(ShownLines(notes.HoverText(row)))) << row;
    ::testing::Test::RecordProperty("hover_row_" + std::to_string(row), TextOf(tip));
  }
}

}  // namespace
}  // namespace drobi::win32::testing
