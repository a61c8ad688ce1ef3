// The page as a user meets it: the real page on a form whose tables are scripted, served on
// 127.0.0.1 and shown in headless Chromium, driven with mouse clicks and keys and read back from
// its document. The shared scenarios run through the web driver; what follows them is how this
// page looks and how it ends after an error.
//
// DROBI_TEST_DECIMAL (default ".") is the decimal separator of the browser's language,
// DROBI_SCREENSHOT where the picture of the started page is saved and DROBI_WORKSHEET where the
// printed worksheet is.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/broken_states.hpp"
#include "tests/support/exact.hpp"
#include "tests/support/scenario_name.hpp"
#include "tests/support/scenario_run.hpp"
#include "tests/support/window_scenarios.hpp"
#include "tests/web/web_user_driver.hpp"
#include "ui/error_report.hpp"
#include "ui/lesson/close_title.hpp"
#include "ui/lesson/exercises.hpp"
#include "ui/lesson/fraction_entry.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/lesson/written_division.hpp"

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

// Every control where the layout table puts it, at the scale that fits the browser window below
// the menu bar, named for screen readers by its caption, each caption's text centred in its box,
// in a Bulgarian document; the rows in view of the lists with texts of their own show them as the
// form without a window works them out; then the picture.
TEST_F(PageTest, EveryControlSitsAtItsPlaceNamedByItsCaption) {
  driver_.Load(form_);
  EXPECT_EQ(Script("return [document.documentElement.lang, document.documentElement.ariaLabel, "
                   "document.activeElement.dataset.name].join();"),
            "bg," + std::string(MainWindowLayout().spoken_caption) + ",Spis(0)");
  const WindowScale scale =
      WindowScale::Fitting(std::stoi(Script("return document.documentElement.clientWidth;")),
                           std::stoi(Script("return document.documentElement.clientHeight - "
                                            "bar.offsetHeight;")),
                           96);
  for (const ControlLayout& c : MainWindowControls()) {
    EXPECT_EQ(
        Script("var e = document.querySelector('[data-name=\"" + std::string(c.name) + R"("]');
        var f = document.getElementById('form').getBoundingClientRect();
        var r = e.getBoundingClientRect(), said = [e.ariaLabel, e.ariaDescription], t = new Range();
        t.selectNodeContents(e);
        var s = t.getBoundingClientRect(), centred = Math.abs(s.left + s.right - r.left - r.right) <= 2;
        return [r.left - f.left, r.top - f.top, r.width, r.height, said.join('|'),
                e.className === 'caption' ? centred : ''].join();)"),
        std::to_string(scale.Pixels(c.left)) + "," + std::to_string(scale.Pixels(c.top)) + "," +
            std::to_string(scale.Pixels(c.width)) + "," + std::to_string(scale.Pixels(c.height)) +
            "," + (c.accessible_name ? c.accessible_name : "") + "|" +
            (c.spoken_hover ? c.spoken_hover : "") + "," +
            (c.kind == ControlKind::kLabel ? "true" : ""))
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

// The long number opens the written division with a double click and with Enter, and the panel
// shows it as the form without a window works it out, with every marked character in a span with
// its mark's cues, its focus copying the whole text; its button closes it. The bar's zoom step
// makes the form a quarter larger and Ctrl+0 gives the fitted size back; «Относно» shows its
// texts until Escape, and so does «Въведете дроб» with a bad fraction's message; «Упражнения»
// speak their texts in words and open the division beside them.
TEST_F(PageTest, TheLongNumberOpensTheDivisionAndTheBarZooms) {
  driver_.Load(form_);
  ScriptedRandom random(drobi::testing::StartDraws());
  MainForm headless(random);
  headless.Form_Load();
  headless.Dylgo.UserClick(3);
  const LessonText division = WrittenDivisionOf(headless);
  ASSERT_FALSE(division.marks.empty());
  std::string marks;
  for (const MarkedSpan& m : division.marks) {
    const MarkLook look = LookOf(m.role);
    marks += "[" + std::to_string(m.line) + "," + std::to_string(m.first) + "," +
             std::to_string(m.count) + "," + (look.underline ? "1," : "0,") +
             (look.bold ? "1]," : "0],");
  }
  Script("addEventListener('copy', e => window.copied = e.clipboardData.getData('text/plain'));");
  for (const bool twice : {true, false}) {
    if (twice) {
      driver_.ClickRow("Dylgo", 3, true);
    } else {
      Ask("keys", R"(, "keys": ["ENTER"])");
    }
    EXPECT_EQ(driver_.DivisionLines(), division.lines) << twice;
    EXPECT_EQ(driver_.Focused(), "division");
    EXPECT_EQ(Hook("unmarked", "[" + marks + "]"), "0");
    Ask("keys", R"(, "keys": ["CTRL_c"])");
    EXPECT_EQ(Script("return copied;"), division.Joined());
    driver_.Click("division-close");
    EXPECT_TRUE(driver_.DivisionLines().empty());
    EXPECT_EQ(driver_.Focused(), "Dylgo");
  }
  const std::string width = "return form.getBoundingClientRect().width;";
  const double fitted = std::stod(Script(width));
  driver_.Choose(CommandId::kZoomIn);
  EXPECT_NEAR(std::stod(Script(width)), fitted * 1.25, 1.0);
  Ask("keys", R"(, "keys": ["CTRL_0"])");
  EXPECT_EQ(std::stod(Script(width)), fitted);
  driver_.Choose(CommandId::kAbout);
  std::string about = std::string(kAboutTitle);
  for (const char* line : AboutLines()) about += line;
  EXPECT_EQ(Script("return about.open + about.textContent;"), "true" + about + kCloseTitle);
  Ask("keys", R"(, "keys": ["ESCAPE"])");
  EXPECT_EQ(Script("return about.open;"), "False");
  // «Въведете дроб» by its shortcut: markup typed stays text in the field and the alert, and
  // Escape closes it with the table as it was and the focus back where it was.
  const std::vector<std::string> rows = driver_.Rows("Spis(0)");
  const std::string focused = driver_.Focused();
  Ask("keys", R"(, "keys": ["CTRL_e", "=<b>1</b>/7", "ENTER"])");
  const auto read = ReadFraction("<b>1</b>/7");
  ASSERT_TRUE(std::holds_alternative<std::string>(read));
  EXPECT_EQ(Script("var f = fraction.querySelector('input');"
                   "return [f.placeholder, f.ariaLabel, f.value, fraction.querySelector('b'),"
                   "Module.test.fractionMessage()].join('|');"),
            std::string(kFractionHint) + "|" + kEnterFractionField + "|<b>1</b>/7||" +
                std::get<std::string>(read));
  Ask("keys", R"(, "keys": ["ESCAPE"])");
  EXPECT_EQ(Script("return fraction.open;"), "False");
  EXPECT_EQ(driver_.Rows("Spis(0)"), rows);
  EXPECT_EQ(driver_.Focused(), focused);
  // «Упражнения» by its shortcut, answered with the key П: the question, the verdict and the
  // count in words for a screen reader, the verdict a status; «Виж делението» opens the division
  // of the task's row beside the exercises.
  Exercises exercises(headless);
  const std::string question = exercises.SpokenQuestion();
  const Verdict verdict = exercises.AnswerEnds(false);
  ASSERT_TRUE(exercises.ShowDivision());
  Ask("keys", R"(, "keys": ["CTRL_u"])");
  EXPECT_EQ(driver_.Focused(), "exercise0");
  Ask("keys", R"(, "keys": ["=П"])");
  EXPECT_EQ(Hook("shown", "'question', 1") + "|" + Hook("shown", "'verdict', 1") + "|" +
                Hook("shown", "'count', 1") + "|" +
                Script("return document.querySelector('[data-name=verdict]').role;"),
            question + "|" + verdict.spoken + "|" + exercises.SpokenCount() + "|status");
  EXPECT_EQ(driver_.Focused(), "exercise4");
  driver_.Click("exercise6");
  EXPECT_EQ(driver_.DivisionLines(), WrittenDivisionOf(headless).lines);
  EXPECT_EQ(
      Script("var a = exercises.getBoundingClientRect(), b = division.getBoundingClientRect();"
             "return a.bottom <= b.top || a.right <= b.left;"),
      "True");
}

// A text's words with one blank between them, as a reader of the printed file takes them.
std::string Words(const std::string& text) {
  std::istringstream in(text);
  std::string words, word;
  while (in >> word) words += (words.empty() ? "" : " ") + word;
  return words;
}

// «Работен лист» by its shortcut, its digits those of the form's 0–7 list: a count out of range
// keeps it open with its message; two variants with their divisions, printed to a PDF and read
// back, are the form's table and the one on variant 2's task page, each key line as exact
// arithmetic writes it, and a printed page for each page of the sheet, none split or blank.
TEST_F(PageTest, TheWorksheetPrintsEachVariantWithItsKey) {
  driver_.Load(form_);
  driver_.ClickRow("Spis(4)", 2);
  Ask("keys", R"(, "keys": ["CTRL_p", "=41", "ENTER"])");
  // Its texts in document order: the title, the labels, the message and the buttons.
  EXPECT_EQ(Script("return [sheet.querySelectorAll('input')[1].value, Module.test.printed()]"
                   ".concat(Array.from(sheet.querySelectorAll('h1, label, p, button'),"
                   " e => e.textContent)).join('|');"),
            "2|0|" + std::string(kWorksheetTitle) + "|" + PlainTitle(kVariantsField) + "|" +
                PlainTitle(kDigitsField) + "|" + PlainTitle(kDivisionsOption) + "|" +
                std::get<std::string>(ReadVariants("41")) + "|" + PlainTitle(kPrintSheets) + "|" +
                kCloseSheets);
  EXPECT_EQ(driver_.Focused(), "sheet-variants");
  Ask("keys", R"(, "keys": ["=2", "TAB", "=3", "TAB", "SPACE", "TAB", "ENTER"])");
  EXPECT_EQ(Hook("printed") + Script("return sheet.open;"), "1True");
  Ask("keys", R"(, "keys": ["ESCAPE"])");
  EXPECT_EQ(Script("return sheet.open;") + driver_.Focused(), "FalseSpis(4)");
  std::vector<std::string> printed;
  std::istringstream pdf(
      Ask("print", ", \"path\": " + Quoted(Setting("DROBI_WORKSHEET", "worksheet.pdf"))));
  for (std::string page; std::getline(pdf, page, '\f');) printed.push_back(page);
  // The tables: the form's rows, then what variant 2's task page lists, by the tasks' numbers.
  std::vector<TableTexts> tables(1);
  const auto p = driver_.Rows("Spis(0)"), q = driver_.Rows("Spis(1)");
  for (std::size_t i = 0; i < p.size(); ++i) tables[0].emplace_back(p[i], q[i]);
  NumberStyle style;
  style.decimal_separator = Setting("DROBI_TEST_DECIMAL", ".");
  const auto second = std::find_if(printed.begin(), printed.end(), [](const std::string& page) {
    return Words(page).starts_with("Работен лист · Вариант 2");
  });
  ASSERT_NE(second, printed.end());
  tables.emplace_back(kTableRows);
  std::istringstream words(*second);
  for (std::string number, fraction; words >> number;) {
    const int row = std::atoi(number.c_str()) - 1;
    if (!number.ends_with(')') || row < 0 || row >= kTableRows || !(words >> fraction)) continue;
    const std::size_t slash = fraction.find('/');
    if (slash != std::string::npos && tables[1][row].first.empty()) {
      tables[1][row] = {fraction.substr(0, slash), fraction.substr(slash + 1)};
    }
  }
  const SheetDocument sheets = WorksheetPages(tables, {2, 3, true}, style);
  ASSERT_EQ(printed.size(), sheets.pages.size()) << Words(printed.back());
  std::string all;
  for (std::size_t k = 0; k < printed.size(); ++k) {
    EXPECT_TRUE(Words(printed[k]).starts_with(sheets.pages[k].runs.front().text)) << k;
    all += printed[k] + ' ';
  }
  all = Words(all);
  const std::string sep = style.decimal_separator;
  for (std::size_t v = 0; v < tables.size(); ++v) {
    const std::size_t key = all.find("Отговори · Вариант " + std::to_string(v + 1));
    const std::string text = all.substr(key, all.find("Работен лист", key) - key);
    for (std::size_t i = 0; i < tables[v].size(); ++i) {
      const long long a = std::stoll(tables[v][i].first), b = std::stoll(tables[v][i].second);
      const std::string fraction = tables[v][i].first + "/" + tables[v][i].second;
      const std::string exact = drobi::testing::ExactNotation(a, b, sep);
      const std::string line = std::to_string(i + 1) + ") " + fraction + " ≈ " +
                               drobi::testing::ExactRounded(a, b, 3, sep) + "; " + fraction +
                               " = " + exact + "; " +
                               (a % b == 0                             ? "цяло число"
                                : exact.find('(') == std::string::npos ? "крайна"
                                                                       : "безкрайна периодична");
      EXPECT_NE(text.find(line), std::string::npos) << line;
    }
  }
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
