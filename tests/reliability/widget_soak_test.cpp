// Random mouse clicks and key presses on the real window: after each one the form must hold what
// the oracle says, and the widgets must show exactly what the form holds.

#include <gtest/gtest.h>

#include <QTest>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/reliability/action_stream.hpp"
#include "tests/reliability/form_oracle.hpp"
#include "tests/reliability/period_marks.hpp"
#include "tests/reliability/recording_random.hpp"
#include "tests/reliability/soak_run.hpp"
#include "tests/reliability/soak_settings.hpp"
#include "tests/support/qt_user_driver.hpp"
#include "ui/lesson/written_division.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/main_window.hpp"

namespace drobi {
namespace {

using testing::ActionStream;
using testing::FormOracle;
using testing::QtUserDriver;
using testing::RecordingRandom;
using testing::SoakSettings;
using testing::SoakStyle;
using testing::UserAction;

std::string WidgetSoakRun(std::uint64_t seed, std::int64_t length) {
  RecordingRandom random(seed * 0x9E3779B97F4A7C15ull);
  // A page key moves by as many rows as the list shows, which depends on the fonts.
  ActionStream actions(seed, /*page_keys=*/false);
  const NumberStyle style = SoakStyle(seed);
  MainForm form(random, style);
  FormOracle oracle(style.decimal_separator, form.Text1[0].Text());
  MainWindow window(form);
  std::vector<std::string> errors;
  window.SetErrorReporter([&errors](const ErrorReport& report) {
    errors.push_back("error " + std::to_string(report.number) + " «" + report.text +
                     "» reached the window");
  });
  window.SetErrorEnding([](int) {});
  QtUserDriver driver(window);
  const auto& dylgo = *window.findChild<ListView*>(QStringLiteral("Dylgo"));

  const auto load = [&] {
    window.Guarded([&form] { form.Form_Load(); });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) throw std::runtime_error("no window on screen");
  };
  const auto more_differences = [&] {
    std::vector<std::string> found = testing::ShownDifferences(driver, form);
    for (std::string& mark : testing::PeriodMarkDifferences(dylgo, form)) {
      found.push_back(std::move(mark));
    }
    // A double click on the long number opens the written division, which then follows the form.
    const std::vector<std::string> division = driver.DivisionLines();
    if (!division.empty() && division != WrittenDivisionOf(form).lines) {
      found.push_back("the written division shows another division than the form's");
    }
    found.insert(found.end(), errors.begin(), errors.end());
    errors.clear();
    return found;
  };
  return testing::RunAndCheck(
      seed, length, form, random, actions, oracle, load,
      [&driver](const UserAction& action) { testing::Perform(driver, action); }, more_differences);
}

TEST(WidgetSoak, RandomClicksAndKeysLeaveTheWidgetsShowingTheForm) {
  testing::ExpectEveryRunPasses(
      "widget soak", SoakSettings::FromEnvironment("DROBI_WIDGET_SOAK_ACTIONS", 5'000, 1'000),
      WidgetSoakRun);
}

}  // namespace
}  // namespace drobi
