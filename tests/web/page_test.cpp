// The page as a user meets it: the real page on a form whose tables are scripted, served on
// 127.0.0.1 and shown in headless Chromium, driven with mouse clicks and keys and read back from
// its document. The shared scenarios run through the web driver; what follows them is how this
// page looks and how it ends after an error.
//
// DROBI_TEST_DECIMAL (default ".") is the decimal separator of the browser's language, and
// DROBI_SCREENSHOT where the picture of the started page is saved.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/broken_states.hpp"
#include "tests/support/scenario_name.hpp"
#include "tests/support/scenario_run.hpp"
#include "tests/support/scripted_random.hpp"
#include "tests/support/window_scenarios.hpp"
#include "tests/web/bridge.hpp"
#include "tests/web/web_user_driver.hpp"
#include "ui/error_report.hpp"
#include "ui/window_layout.hpp"
#include "ui/window_scale.hpp"

namespace drobi::web::testing {
namespace {

std::string Setting(const char* name, const char* otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : otherwise;
}

class PageTest : public ::testing::Test {
 protected:
  const std::string decimal_ = Setting("DROBI_TEST_DECIMAL", ".");
  ScriptedRandom random_{drobi::testing::StartDraws()};
  MainForm form_{random_};
  std::vector<std::string> trace_;
  WebUserDriver driver_{form_, random_, trace_};
};

class SharedScenario : public PageTest,
                       public ::testing::WithParamInterface<drobi::testing::Scenario> {};

TEST_P(SharedScenario, Passes) {
  drobi::testing::ScenarioRun run(driver_, form_, random_, trace_, decimal_);
  GetParam().run(run);
}

INSTANTIATE_TEST_SUITE_P(Page, SharedScenario,
                         ::testing::ValuesIn(drobi::testing::kWindowScenarios),
                         drobi::testing::ScenarioName());

// Every control where the layout table puts it, at the scale that fits the browser window, named
// for screen readers by its caption, in a Bulgarian document; then the picture of it.
TEST_F(PageTest, EveryControlSitsAtItsPlaceNamedByItsCaption) {
  driver_.Load(form_);
  EXPECT_EQ(Script("return document.documentElement.lang;"), "bg");
  // The title as a browser gives it, its runs of blanks made one.
  std::string title = MainWindowLayout().caption;
  title.erase(
      std::unique(title.begin(), title.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
      title.end());
  EXPECT_EQ(Script("return document.title;"), title);
  const int width = std::stoi(Script("return document.documentElement.clientWidth;"));
  const int height = std::stoi(Script("return document.documentElement.clientHeight;"));
  const WindowScale scale = WindowScale::Fitting(width, height, kDefaultDpi);
  for (const ControlLayout& control : MainWindowControls()) {
    SCOPED_TRACE(control.name);
    const std::string box = Script("var e = document.querySelector('[data-name=\"" +
                                   std::string(control.name) + R"("]');
        var f = document.getElementById('form').getBoundingClientRect();
        var r = e.getBoundingClientRect();
        var name = e.labels && e.labels.length ? e.labels[0].textContent : '';
        return [r.left - f.left, r.top - f.top, r.width, r.height, name].join('|');)");
    const std::string expected =
        std::to_string(scale.Pixels(control.left)) + "|" +
        std::to_string(scale.Pixels(control.top)) + "|" +
        std::to_string(scale.Pixels(control.width)) + "|" +
        std::to_string(scale.Pixels(control.height)) + "|" +
        (control.accessible_name != nullptr ? control.accessible_name : "");
    EXPECT_EQ(box, expected);
  }
  Ask(R"({"op": "screenshot", "path": )" + Quoted(Setting("DROBI_SCREENSHOT", "page.png")) + "}");
}

// An error that escapes a handler: the page shows the desktop's error texts in a modal dialog,
// its form takes no more input, and the dialog's button starts the program again.
class BrokenPage : public ::testing::TestWithParam<drobi::testing::BrokenState> {};

TEST_P(BrokenPage, ShowsTheErrorAndStartsAgain) {
  ScriptedRandom random(drobi::testing::StartDraws());
  MainForm form(random);
  std::vector<std::string> trace;
  WebUserDriver driver(form, random, trace, std::string("?broken=") + GetParam().scenario);
  GetParam().trip(driver);
  EXPECT_EQ(Script("var d = document.getElementById('error'); return d.open && d.matches(':modal') "
                   "&& document.getElementById('form').inert;"),
            "True");
  EXPECT_EQ(Script("return document.getElementById('error-message').textContent;"),
            ErrorMessage(drobi::testing::kBrokenNumber, drobi::testing::kBrokenText));
  EXPECT_EQ(Script("return document.getElementById('error-ending').textContent;"), kErrorEnding);
  // A choice the browser still delivers reaches no handler, and the list shows the form's row.
  EXPECT_EQ(Script(R"js(Module.test.state();
      var e = document.querySelector('[data-name="Spis(4)"]'), before = e.selectedIndex;
      e.selectedIndex = 6;
      e.dispatchEvent(new Event('change'));
      return Module.test.state().split('\x1f').slice(4).join('') + (e.selectedIndex === before);)js"),
            "true");
  Script("window.before = true;");
  const std::string at = Script(R"js(var r = document.querySelector('[data-name="restart"]')
      .getBoundingClientRect();
      return Math.round(r.left + r.width / 2) + ', "y": ' + Math.round(r.top + r.height / 2);)js");
  Ask(R"({"op": "click", "x": )" + at + "}");
  std::string started;
  for (int tries = 0; tries < 500 && started != "True"; ++tries) {
    started = Script("return !window.before && !!window.Module && !!Module.calledRun;");
  }
  EXPECT_EQ(started, "True") << "the page did not start again";
  EXPECT_EQ(Script("return document.getElementById('error').open || "
                   "document.getElementById('form').inert;"),
            "False");
}

INSTANTIATE_TEST_SUITE_P(Page, BrokenPage, ::testing::ValuesIn(drobi::testing::kBrokenStates),
                         drobi::testing::ScenarioName());

}  // namespace
}  // namespace drobi::web::testing
