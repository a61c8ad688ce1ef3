#pragma once

// The behaviours that every window of the program must show, written once as a user's actions and
// what the user then sees; each window's tests run them all through its own driver, and the
// form's tests those that are not about a window alone through the form's. The form starts on
// kStartTable and has not run Form_Load yet.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/scenario_run.hpp"
#include "tests/support/scripted_random.hpp"
#include "tests/support/user_driver.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

struct Scenario {
  const char* scenario;
  void (*run)(ScenarioRun&);
  bool window_only = false;  // focus, pixels, or what a window adds to the form
};

inline void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.scenario; }

// Form_Load draws two tables of sixteen rows, four draws a row.
inline constexpr std::size_t kStartDraws = 128;

// One kind of exercise on the first two rows, 1/7 answered rightly and -3/7 wrongly, the right
// answers worked out without the program.
inline void RunExercise(ScenarioRun& run, TaskKind kind) {
  run.Load();
  const auto exact = [&run](long long p, long long q) { return ExactNotation(p, q, run.decimal); };
  const auto rounded = [&run](long long p, long long q) {
    return ExactRounded(p, q, 4, run.decimal);
  };
  struct Task {
    const char* question;
    std::string answer, said;
  };
  std::vector<Task> tasks;
  switch (kind) {
    case TaskKind::kEndsOrRepeats:
      tasks = {{"Крайна или периодична е десетичната дроб на 1/7?", "П", "Вярно. "},
               {"Крайна или периодична е десетичната дроб на -3/7?", "К",
                "Грешно: вярното е периодична. "}};
      break;
    case TaskKind::kRounding:
      tasks = {
          {"Закръглете 1/7 до 4 цифри след десетичната запетая", rounded(1, 7), "Вярно. "},
          {"Закръглете -3/7 до 4 цифри след десетичната запетая", "0,4286", "Грешно: вярното е "}};
      break;
    case TaskKind::kExactValue:
      tasks = {{"Запишете 1/7 като десетична дроб, с периода в скоби", "0,(142857)", "Вярно. "},
               {"Запишете -3/7 като десетична дроб, с периода в скоби", "-0,(4285)",
                "Грешно: вярното е "}};
      break;
    case TaskKind::kBackToFraction:
      tasks = {{"", "2/14", "Вярно, но съкратете я: 1/7. "},
               {"", "3/7", "Грешно: вярното е -3/7. "}};
      break;
  }
  const char* counts[] = {"Верни: 1 · Грешни: 0 · Пропуснати: 0",
                          "Верни: 1 · Грешни: 1 · Пропуснати: 0"};
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    const auto& [p, q] = kStartTable[i];
    SCOPED_TRACE("task on " + std::to_string(p) + "/" + std::to_string(q));
    const std::vector<std::string> shown = run.driver.Exercise(kind, tasks[i].answer);
    ASSERT_EQ(shown.size(), 3u);
    const std::string question = kind == TaskKind::kBackToFraction
                                     ? "Запишете " + exact(p, q) + " като обикновена дроб"
                                     : tasks[i].question;
    EXPECT_EQ(shown[0], question);
    EXPECT_TRUE(shown[1].starts_with(tasks[i].said)) << shown[1];
    if (kind == TaskKind::kRounding && i == 1) {
      EXPECT_NE(shown[1].find(rounded(p, q).substr(1)), std::string::npos) << shown[1];
    }
    if (kind == TaskKind::kExactValue && i == 1) {
      EXPECT_NE(shown[1].find(exact(p, q).substr(1)), std::string::npos) << shown[1];
    }
    EXPECT_EQ(shown[2], counts[i]);
  }
  run.ExpectShows(kStartTable, 4, 0, 40);
}

inline const std::vector<Scenario> kWindowScenarios{
    {"before-load",
     [](ScenarioRun& run) {
       const std::vector<std::pair<const char*, std::vector<std::string>>> lists{
           {"Spis(0)", {}},
           {"Spis(1)", {}},
           {"Spis(2)", {}},
           {"Spis(3)", {"10", "20", "50", "100", "200", "500", "1000"}},
           {"Spis(4)", {"0", "1", "2", "3", "4", "5", "6", "7"}},
           {"Spis(5)", {"10", "20", "30", "40", "50", "60", "70", "80", "90"}},
           {"Dylgo", {}},
       };
       for (const auto& [name, rows] : lists) {
         EXPECT_EQ(run.driver.Rows(name), rows) << name;
         EXPECT_EQ(run.driver.Selected(name), -1) << name;
       }
       EXPECT_EQ(run.driver.Text("Text1(0)"), std::string(DescriptionText()));
       EXPECT_EQ(run.driver.Text("Text1(1)"), "");
     }},

    {"start-up",
     [](ScenarioRun& run) {
       run.Load();
       run.ExpectShows(kStartTable, 4, 0, 40);
       EXPECT_EQ(run.random.Drawn(), kStartDraws);
       EXPECT_EQ(run.random.Randomized(), 1);
       EXPECT_EQ(run.driver.Selected("Spis(3)"), 1);
       EXPECT_EQ(run.SelectedText("Spis(3)"), "20");
       EXPECT_EQ(run.SelectedText("Spis(4)"), "4");
       EXPECT_EQ(run.SelectedText("Spis(5)"), "40");
       EXPECT_EQ(run.driver.Rows("Spis(2)").at(1), "-0" + run.decimal + "4286");  // -3/7
       EXPECT_EQ(run.driver.Text("Text1(0)"), std::string(DescriptionText()));
       EXPECT_EQ(run.driver.Text("Text1(1)"), "");
     }},

    // The same start-up without a window is the reference: a selection that the window echoed as
    // a user's click would add handler calls to the trace.
    {"own-selections-raise-no-clicks",
     [](ScenarioRun& run) {
       ScriptedRandom random(StartDraws());
       MainForm headless(random, run.form.Style());
       std::vector<std::string> reference;
       headless.SetTrace([&reference](std::string_view name) { reference.emplace_back(name); });
       headless.Form_Load();
       run.trace.clear();
       run.driver.Load(run.form);
       EXPECT_EQ(run.trace, reference);
     },
     true},

    // A click on a row of any of the three fraction lists selects it in all three.
    {"click-on-row-7",
     [](ScenarioRun& run) {
       run.Load();
       for (const auto& [list, row] : {std::pair{"Spis(1)", 7}, {"Spis(0)", 3}, {"Spis(2)", 12}}) {
         run.trace.clear();
         run.driver.ClickRow(list, row);
         run.ExpectShows(kStartTable, 4, row, 40);
         EXPECT_EQ(run.Count("Spis_Click(" + std::string(list).substr(5, 1) + ")"), 1)
             << "one click, one handler call";
         EXPECT_EQ(run.driver.Focused(), list);
       }
       EXPECT_EQ(run.random.Drawn(), kStartDraws) << "selecting a row draws nothing";
     }},

    {"click-on-the-selected-row",
     [](ScenarioRun& run) {
       run.Load();
       run.driver.ClickRow("Spis(1)", 7);
       run.trace.clear();
       run.driver.ClickRow("Spis(1)", 7);
       EXPECT_EQ(run.Count("Spis_Click(1)"), 1);
       EXPECT_EQ(run.Count("Spis_Click(0)") + run.Count("Spis_Click(2)"), 0);
       run.ExpectShows(kStartTable, 4, 7, 40);
     }},

    // One click per key that moves the selection, none for a key that leaves it where it is.
    {"keys",
     [](ScenarioRun& run) {
       run.Load();
       struct Move {
         const char* list;  // where the focus is put first, or nullptr to keep it
         Key key;
         int row, clicks;
       };
       const Move moves[] = {{"Spis(0)", Key::kDown, 1, 1}, {nullptr, Key::kDown, 2, 1},
                             {nullptr, Key::kEnd, 15, 1},   {nullptr, Key::kDown, 15, 0},
                             {nullptr, Key::kHome, 0, 1},   {nullptr, Key::kUp, 0, 0},
                             {"Spis(1)", Key::kEnd, 15, 1}, {nullptr, Key::kUp, 14, 1}};
       for (const Move& move : moves) {
         SCOPED_TRACE("key " + std::to_string(static_cast<int>(move.key)) + " to row " +
                      std::to_string(move.row));
         if (move.list != nullptr) run.driver.Focus(move.list);
         const std::string list = run.driver.Focused();
         run.trace.clear();
         run.driver.Press(move.key);
         EXPECT_EQ(run.Count("Spis_Click(" + list.substr(5, 1) + ")"), move.clicks) << list;
         run.ExpectShows(kStartTable, 4, move.row, 40);
       }
       EXPECT_EQ(run.random.Drawn(), kStartDraws);
     }},

    {"click-on-the-selected-interval-makes-a-new-table",
     [](ScenarioRun& run) {
       run.Load();
       const std::vector<Fraction> fifty{{49, 3},   {-12, 7}, {1, 50}, {33, 41}, {7, 9},  {0, 5},
                                         {-48, 49}, {25, 4},  {3, 8},  {44, 45}, {-9, 2}, {16, 17},
                                         {2, 3},    {40, 11}, {-1, 9}, {30, 31}};
       std::vector<Fraction> again = fifty;
       std::reverse(again.begin(), again.end());
       std::vector<float> draws = DrawsFor(fifty, 50);
       const std::vector<float> second = DrawsFor(again, 50);
       draws.insert(draws.end(), second.begin(), second.end());
       run.random.Script(draws);

       run.driver.ClickRow("Spis(3)", 2);  // "50"
       EXPECT_EQ(run.random.Drawn(), 64u) << "one click makes one table";
       run.ExpectShows(fifty, 4, 0, 40);
       run.driver.ClickRow("Spis(3)", 2);  // the selected row again
       EXPECT_EQ(run.random.Drawn(), 128u);
       run.ExpectShows(again, 4, 0, 40);
     }},

    // A new number of decimals goes back to row 0; a new length of the long number keeps the row.
    {"digit-counts",
     [](ScenarioRun& run) {
       run.Load();
       run.driver.ClickRow("Spis(0)", 9);
       run.driver.ClickRow("Spis(4)", 7);  // "7"
       run.ExpectShows(kStartTable, 7, 0, 40);
       run.driver.ClickRow("Spis(1)", 12);
       run.driver.ClickRow("Spis(5)", 8);  // "90"
       run.ExpectShows(kStartTable, 7, 12, 90);
       run.driver.ClickRow("Spis(4)", 2);
       run.ExpectShows(kStartTable, 2, 0, 90);
       EXPECT_EQ(run.random.Drawn(), kStartDraws);
     }},

    // Opened from the menu, the written division follows the selected row and both digit counts.
    {"division-view-follows-the-form",
     [](ScenarioRun& run) {
       run.Load();
       EXPECT_TRUE(run.driver.DivisionLines().empty()) << "closed until chosen";
       run.driver.Choose(CommandId::kDivisionView);
       run.ExpectDivision(kStartTable, 0, 40, 4);
       run.driver.ClickRow("Spis(1)", 9);  // -1/6
       run.ExpectDivision(kStartTable, 9, 40, 4);
       run.driver.ClickRow("Spis(5)", 8);  // "90"
       run.ExpectDivision(kStartTable, 9, 90, 4);
       run.driver.ClickRow("Spis(4)", 2);  // back to row 0
       run.ExpectDivision(kStartTable, 0, 90, 2);
       run.driver.ClickRow("Spis(0)", 14);  // 6/61, a period of 60 digits
       run.ExpectDivision(kStartTable, 14, 90, 2);
       run.ExpectShows(kStartTable, 2, 14, 90);
     }},

    // The teacher's fraction into the selected row, then a decimal, then one that cannot be.
    {"teachers-fraction-goes-into-the-selected-row",
     [](ScenarioRun& run) {
       run.Load();
       run.driver.ClickRow("Spis(1)", 5);
       run.driver.Choose(CommandId::kDivisionView);
       std::vector<Fraction> table = kStartTable;
       for (const auto& [typed, fraction] :
            {std::pair{"22/7", Fraction{22, 7}}, {" -0,1(6) ", Fraction{-1, 6}}}) {
         EXPECT_EQ(run.driver.EnterFraction(typed), "") << typed;
         table[5] = fraction;
         run.ExpectShows(table, 4, 5, 40);
         run.ExpectDivision(table, 5, 40, 4);
       }
       EXPECT_TRUE(run.driver.EnterFraction("1/0").starts_with("На 0 не се дели"));
       run.ExpectShows(table, 4, 5, 40);
       EXPECT_EQ(run.random.Drawn(), kStartDraws);
     }},

    {"clear-empties-the-table-until-a-digit-count-is-chosen",
     [](ScenarioRun& run) {
       run.Load();
       run.driver.Click("Command1");
       for (const char* list : {"Spis(0)", "Spis(1)", "Spis(2)", "Dylgo"}) {
         EXPECT_TRUE(run.driver.Rows(list).empty()) << list;
         EXPECT_EQ(run.driver.Selected(list), -1) << list;
       }
       EXPECT_EQ(run.driver.Rows("Spis(3)").size(), 7u);
       EXPECT_EQ(run.driver.Selected("Spis(5)"), 3);
       run.trace.clear();
       run.driver.ClickRow("Spis(0)", 0);  // an empty list: no row to click
       EXPECT_TRUE(run.trace.empty());
       run.driver.ClickRow("Spis(5)", 1);  // nothing to show a long number of
       EXPECT_TRUE(run.driver.Rows("Dylgo").empty());

       std::vector<Fraction> next = kStartTable;
       std::rotate(next.begin(), next.begin() + 5, next.end());
       run.random.Script(DrawsFor(next, 20));
       run.driver.ClickRow("Spis(4)", 2);
       run.ExpectShows(next, 2, 0, 20);
       // An interval too makes a table on an empty one.
       run.driver.Click("Command1");
       run.random.Script(DrawsFor(kStartTable, 1000));
       run.driver.ClickRow("Spis(3)", 6);
       run.ExpectShows(kStartTable, 2, 0, 20);
       EXPECT_EQ(run.random.Drawn(), 64u);
     }},

    {"green-square-copies-the-notes-into-the-description",
     [](ScenarioRun& run) {
       run.Load();
       run.driver.Click("Label1");  // the notes are empty still
       EXPECT_EQ(run.form.Text1[0].Text(), "");
       EXPECT_EQ(run.driver.Text("Text1(0)"), "");
       run.driver.Type("Text1(1)", "Бележка 1/7\nред 2");
       EXPECT_EQ(run.form.Text1[1].Text(), "Бележка 1/7\nред 2");
       EXPECT_EQ(run.driver.Text("Text1(1)"), "Бележка 1/7\nред 2");
       run.driver.Click("Label1");
       EXPECT_EQ(run.Count("Label1_Click"), 2);
       EXPECT_EQ(run.form.Text1[0].Text(), "Бележка 1/7\nред 2");
       EXPECT_EQ(run.driver.Text("Text1(0)"), "Бележка 1/7\nред 2");
     }},

    {"texts-written-by-the-program-are-shown-and-edits-reach-the-form",
     [](ScenarioRun& run) {
       run.form.Text1[1].SetText("ред 1\nред 2");
       EXPECT_EQ(run.driver.Text("Text1(1)"), "ред 1\nред 2");
       run.driver.Type("Text1(0)", "!");
       EXPECT_EQ(run.form.Text1[0].Text(), std::string(DescriptionText()) + "!");
       run.driver.Type("Text1(0)", "");
       EXPECT_EQ(run.form.Text1[0].Text(), std::string(DescriptionText()));
     },
     true},

    {"tab-visits-the-controls-in-the-forms-order",
     [](ScenarioRun& run) {
       run.Load();
       run.driver.ClickRow("Spis(0)", 0);
       ASSERT_EQ(run.driver.Focused(), "Spis(0)");
       const std::vector<std::string> expected{"Spis(1)",  "Text1(0)", "Spis(3)", "Command1",
                                               "Spis(2)",  "Spis(4)",  "Spis(5)", "Dylgo",
                                               "Text1(1)", "Spis(0)",  "Spis(1)"};
       std::vector<std::string> visited;
       for (std::size_t i = 0; i < expected.size(); ++i) {
         run.driver.Press(Key::kTab);
         visited.push_back(run.driver.Focused());
       }
       EXPECT_EQ(visited, expected);
       EXPECT_EQ(run.driver.Text("Text1(1)"), "") << "Tab is not typed into a text field";
       EXPECT_EQ(run.driver.Text("Text1(0)"), std::string(DescriptionText()));
     },
     true},

    // The window, the button, the spot and the captions in the colours the form stores for them.
    {"colours",
     [](ScenarioRun& run) {
       struct Sample {
         const char* where;
         int x, y;
         Rgb colour;
       };
       const Rgb caption{255, 192, 128};
       const Sample samples[] = {
           {"window", 460, 12, {192, 192, 255}},
           {"window below the lists", 300, 148, {192, 192, 255}},
           {"Command1", 484, 12, {255, 0, 0}},
           {"Label1", 4, 4, {0, 192, 0}},
           {"Etiket(5)", 442, 62, {192, 192, 0}},
           {"Etiket(0)", 162, 62, caption},
           {"Etiket(1)", 242, 62, caption},
           {"Etiket(2)", 322, 62, caption},
           {"Etiket(3)", 10, 62, caption},
           {"Etiket(4)", 90, 62, caption},
           {"Etiket(8)", 106, 22, caption},
       };
       for (const Sample& sample : samples) {
         const Rgb seen = run.driver.ColourAt(sample.x, sample.y);
         EXPECT_NEAR(seen.red, sample.colour.red, 2) << sample.where;
         EXPECT_NEAR(seen.green, sample.colour.green, 2) << sample.where;
         EXPECT_NEAR(seen.blue, sample.colour.blue, 2) << sample.where;
       }
     },
     true},
    {"exercise-ends-or-repeats",
     [](ScenarioRun& run) { RunExercise(run, TaskKind::kEndsOrRepeats); }},
    {"exercise-rounding", [](ScenarioRun& run) { RunExercise(run, TaskKind::kRounding); }},
    {"exercise-exact-value", [](ScenarioRun& run) { RunExercise(run, TaskKind::kExactValue); }},
    {"exercise-back-to-fraction",
     [](ScenarioRun& run) { RunExercise(run, TaskKind::kBackToFraction); }},
};

}  // namespace drobi::testing
