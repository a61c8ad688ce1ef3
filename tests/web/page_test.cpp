// The page as a user meets it: the real page on a form whose tables are scripted, served on
// 127.0.0.1 and shown in headless Chromium, driven with mouse clicks and keys and read back from
// its document. The shared scenarios run through the web driver; what follows them is how this
// page looks and how it ends after an error.
//
// DROBI_TEST_DECIMAL (default ".") is the decimal separator of the browser's language, and
// DROBI_SCREENSHOT where the picture of the started page is saved.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/broken_states.hpp"
#include "tests/support/scenario_name.hpp"
#include "tests/support/scenario_run.hpp"
#include "tests/support/window_scenarios.hpp"
#include "tests/web/web_user_driver.hpp"
#include "ui/error_report.hpp"
#include "ui/lesson/row_texts.hpp"

namespace drobi::web::testing {
namespace {

using drobi::testing::ScriptedRandom;

std::string Setting(const char* name, const char* otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : otherwise;
}

class PageTest : public ::testing::Test {
 protected:
  ScriptedRandom random_{drobi::testing::StartDraws()};
  MainForm form_{random_};
  std::vector<std::string> trace_;
  WebUserDriver driver_{form_, random_, trace_};
};

class SharedScenario : public PageTest,
                       public ::testing::WithParamInterface<drobi::testing::Scenario> {};

TEST_P(SharedScenario, Passes) {
  drobi::testing::ScenarioRun run(driver_, form_, random_, trace_,
                                  Setting("DROBI_TEST_DECIMAL", "."));
  GetParam().run(run);
}

INSTANTIATE_TEST_SUITE_P(Page, SharedScenario,
                         ::testing::ValuesIn(drobi::testing::kWindowScenarios),
                         drobi::testing::ScenarioName());

// Every control where the layout table puts it, at the scale that fits the browser window, named
// for screen readers by its caption, in a Bulgarian document; the rows in view of the lists with
// texts of their own show them as the form without a window works them out; then the picture.
TEST_F(PageTest, EveryControlSitsAtItsPlaceNamedByItsCaption) {
  driver_.Load(form_);
  EXPECT_EQ(Script("return [document.documentElement.lang, document.documentElement.ariaLabel, "
                   "document.activeElement.dataset.name].join();"),
            "bg," + std::string(MainWindowLayout().spoken_caption) + ",Spis(0)");
  const WindowScale scale =
      WindowScale::Fitting(std::stoi(Script("return document.documentElement.clientWidth;")),
                           std::stoi(Script("return document.documentElement.clientHeight;")), 96);
  for (const ControlLayout& c : MainWindowControls()) {
    EXPECT_EQ(
        Script("var e = document.querySelector('[data-name=\"" + std::string(c.name) + R"("]');
        var f = document.getElementById('form').getBoundingClientRect();
        var r = e.getBoundingClientRect(), said = [e.ariaLabel, e.ariaDescription];
        return [r.left - f.left, r.top - f.top, r.width, r.height, said.join('|')].join();)"),
        std::to_string(scale.Pixels(c.left)) + "," + std::to_string(scale.Pixels(c.top)) + "," +
            std::to_string(scale.Pixels(c.width)) + "," + std::to_string(scale.Pixels(c.height)) +
            "," + (c.accessible_name ? c.accessible_name : "") + "|" +
            (c.spoken_hover ? c.spoken_hover : ""))
        << c.name;
  }
  ScriptedRandom random(drobi::testing::StartDraws());
  MainForm headless(random);
  headless.Form_Load();
  for (const char* list : {"Dylgo", "Spis(2)"}) {
    const ControlLayout& layout = ControlNamed(list);
    const auto texts = RowTextsFor(headless, layout);
    std::string looks;
    for (int row = 0; row < 4; ++row) {
      const drobi::Rgb tint = StoredRgb(texts->Mark(row).tint);
      looks += RowHoverText(*texts, row, layout) + "|" + texts->AccessibleText(row) + "|" +
               (texts->Mark(row).turn > 0
                    ? "rgb(" + std::to_string(tint.red) + ", " + std::to_string(tint.green) + ", " +
                          std::to_string(tint.blue) + ")"
                    : "") +
               "|" + (texts->Mark(row).starts_turn ? "turn" : "") + "|" + texts->SpokenNote(row) +
               "\x1f";
    }
    EXPECT_EQ(
        Ask("js", ", \"async\": 1, \"code\": " +
                      Quoted("Module.test.looks('" + std::string(list) + "', 4, arguments[0]);")),
        looks)
        << list;
  }
  Ask("screenshot", ", \"path\": " + Quoted(Setting("DROBI_SCREENSHOT", "page.png")));
}

// An error that escapes a handler: the page shows the desktop's error texts in a modal dialog,
// its form takes no more input, and the dialog's button starts the program again.
class BrokenPage : public ::testing::TestWithParam<drobi::testing::BrokenState> {};

TEST_P(BrokenPage, ShowsTheErrorAndStartsAgain) {
  ScriptedRandom random(std::vector<float>(256, 0.5f));  // the page's start draws and more
  MainForm form(random);
  std::vector<std::string> trace;
  WebUserDriver driver(form, random, trace, std::string("?broken=") + GetParam().scenario);
  GetParam().trip(driver);
  EXPECT_EQ(Script("return [error.open && error.matches(':modal'), form.inert, "
                   "error.querySelectorAll('p')[0].textContent, "
                   "error.querySelectorAll('p')[1].textContent].join('|');"),
            "true|true|" +
                ErrorMessage(drobi::testing::kBrokenNumber, drobi::testing::kBrokenText) + "|" +
                kErrorEnding);
  // A choice that the browser still delivers reaches no handler, and the list keeps the form's row.
  EXPECT_EQ(
      Script(R"js(var e = document.querySelector('[data-name="Spis(4)"]'), was = e.selectedIndex;
      e.selectedIndex = 6;
      e.dispatchEvent(new Event('change'));
      return Module.test.state().split('\x1f').slice(4).join('') + (e.selectedIndex === was);)js"),
      "true");
  Script("window.before = true;");
  Ask("click", Script(R"js(var r = document.querySelector('[data-name="restart"]')
      .getBoundingClientRect();
      return ', "count": 1, "x": ' + Math.round(r.left + 9) + ', "y": ' + Math.round(r.top + 9);)js"));
  std::string started;
  for (int tries = 0; tries < 500 && started != "True"; ++tries) {
    started = Script(
        "return !window.before && !!window.Module && !!Module.calledRun && "
        "!error.open && !form.inert;");
  }
  EXPECT_EQ(started, "True") << "the page did not start again";
}

INSTANTIATE_TEST_SUITE_P(Page, BrokenPage, ::testing::ValuesIn(drobi::testing::kBrokenStates),
                         drobi::testing::ScenarioName());

}  // namespace
}  // namespace drobi::web::testing
