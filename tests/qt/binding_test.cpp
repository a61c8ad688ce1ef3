// The window driven by a user: clicks and keys reach the form once, and every widget shows the
// form's state right after each call, checked against exact integer arithmetic.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>

#include "tests/qt/window_fixture.hpp"
#include "tests/support/exact.hpp"

namespace drobi::gui_testing {
namespace {

using testing::ExactLongNumber;
using testing::ExactRounded;

// QTest::keyClicks knows only Latin-1 keys; a Cyrillic letter arrives as a key event with text.
void Type(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}

// What the window must show once a row is selected with the given digit counts.
void ExpectShowsRow(QWidget& window, int row, int decimals, int digits) {
  SCOPED_TRACE("row " + std::to_string(row));
  std::vector<std::string> numerators, denominators, quotients;
  for (const auto& [p, q] : kTable) {
    numerators.push_back(std::to_string(p));
    denominators.push_back(std::to_string(q));
    quotients.push_back(ExactRounded(p, q, decimals, "."));
  }
  const std::pair<const char*, const std::vector<std::string>*> lists[] = {
      {"Spis(0)", &numerators}, {"Spis(1)", &denominators}, {"Spis(2)", &quotients}};
  for (const auto& [name, rows] : lists) {
    ListView* view = Find<ListView>(window, name);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ShownRows(view), *rows) << name;
    EXPECT_EQ(ShownSelection(view), row) << name;
  }
  const auto& [p, q] = kTable[static_cast<std::size_t>(row)];
  EXPECT_EQ(ShownRows(Find<ListView>(window, "Dylgo")), ExactLongNumber(p, q, digits));
}

TEST_F(WindowTest, FormLoadShowsTheSecondTableRowZeroAndItsLongNumber) {
  form_->Form_Load();
  ExpectShowsRow(*window_, 0, 4, 40);
  EXPECT_EQ(ShownSelection(List("Spis(3)")), 1);
  EXPECT_EQ(ShownSelection(List("Spis(4)")), 4);
  EXPECT_EQ(ShownSelection(List("Spis(5)")), 3);
  EXPECT_EQ(ShownRows(List("Spis(2)")).front(), "-0.4286");
}

TEST_F(WindowTest, ProgramSelectionsDoNotComeBackAsClicks) {
  // The same start-up without a window is the reference: a selection that the window echoed as
  // a user click would add handler calls to the trace.
  testing::ScriptedRandom random(StartDraws());
  MainForm headless(random);
  std::vector<std::string> reference;
  headless.SetTrace([&reference](std::string_view name) { reference.emplace_back(name); });
  headless.Form_Load();
  form_->Form_Load();
  EXPECT_EQ(trace_, reference);
}

TEST_F(WindowTest, ClickOnRowSevenOfTheDenominatorsSelectsItEverywhere) {
  Load();
  ClickRow("Spis(1)", 7);
  ExpectShowsRow(*window_, 7, 4, 40);
  EXPECT_EQ(ShownRows(List("Dylgo")).size(), 41u);
  EXPECT_EQ(Count("Spis_Click(1)"), 1);
  EXPECT_EQ(form_->Spis[1].ListIndex(), 7);
}

TEST_F(WindowTest, ClickOnTheSelectedRowRaisesOneClick) {
  Load();
  ClickRow("Spis(1)", 7);
  trace_.clear();
  ClickRow("Spis(1)", 7);
  EXPECT_EQ(Count("Spis_Click(1)"), 1);
  EXPECT_EQ(Count("Spis_Click(0)") + Count("Spis_Click(2)"), 0);
  ExpectShowsRow(*window_, 7, 4, 40);
}

TEST_F(WindowTest, KeyboardMovesTheSelectionOneClickPerKey) {
  Load();
  ListView* numerators = List("Spis(0)");
  numerators->setFocus();
  struct Move {
    Qt::Key key;
    int row;
    int clicks;
  };
  const Move moves[] = {{Qt::Key_Down, 1, 1},  {Qt::Key_Down, 2, 1}, {Qt::Key_End, 15, 1},
                        {Qt::Key_Down, 15, 0}, {Qt::Key_Home, 0, 1}, {Qt::Key_Up, 0, 0}};
  for (const Move& move : moves) {
    trace_.clear();
    QTest::keyClick(numerators, move.key);
    EXPECT_EQ(Count("Spis_Click(0)"), move.clicks) << "to row " << move.row;
    ExpectShowsRow(*window_, move.row, 4, 40);
  }
}

TEST_F(WindowTest, DigitListsRecomputeTheShownColumns) {
  Load();
  ClickRow("Spis(1)", 7);
  ClickRow("Spis(5)", 8);  // 90 digits: the long number keeps row 7
  ExpectShowsRow(*window_, 7, 4, 90);
  // The scroll bar comes with the view's next layout pass, not with the rows.
  EXPECT_TRUE(QTest::qWaitFor([this] { return List("Dylgo")->verticalScrollBar()->isVisible(); }));
  ClickRow("Spis(4)", 2);  // two decimals: back to row 0
  ExpectShowsRow(*window_, 0, 2, 90);
}

TEST_F(WindowTest, ClearButtonEmptiesTheFractionListsAndTheLongNumber) {
  Load();
  QTest::mouseClick(Find<QPushButton>(*window_, "Command1"), Qt::LeftButton);
  for (const char* name : {"Spis(0)", "Spis(1)", "Spis(2)", "Dylgo"}) {
    EXPECT_TRUE(ShownRows(List(name)).empty()) << name;
    EXPECT_EQ(ShownSelection(List(name)), -1) << name;
  }
  EXPECT_EQ(ShownRows(List("Spis(3)")).size(), 7u);
  EXPECT_EQ(ShownSelection(List("Spis(5)")), 3);
  // Clicking into an empty list finds no row: nothing happens.
  trace_.clear();
  QTest::mouseClick(List("Spis(0)")->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(trace_.empty());
}

TEST_F(WindowTest, GreenSquareCopiesWhatTheUserTypedIntoTheDescription) {
  Load();
  QPlainTextEdit* typed = Text("Text1(1)");
  typed->setFocus();
  Type(typed, QStringLiteral("Защо 1/7 се повтаря?"));
  EXPECT_EQ(form_->Text1[1].Text(), "Защо 1/7 се повтаря?");
  QTest::mouseClick(Find(*window_, "Label1"), Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_EQ(Count("Label1_Click"), 1);
  EXPECT_EQ(form_->Text1[0].Text(), "Защо 1/7 се повтаря?");
  EXPECT_EQ(Text("Text1(0)")->toPlainText().toStdString(), "Защо 1/7 се повтаря?");
}

TEST_F(WindowTest, TextsWrittenByTheProgramAreShownAndEditsReachTheForm) {
  form_->Text1[1].SetText("ред 1\nред 2");
  EXPECT_EQ(Text("Text1(1)")->toPlainText().toStdString(), "ред 1\nред 2");
  QPlainTextEdit* description = Text("Text1(0)");
  description->setFocus();
  description->moveCursor(QTextCursor::End);
  Type(description, QStringLiteral("!"));
  EXPECT_EQ(form_->Text1[0].Text(), std::string(DescriptionText()) + "!");
  // The user's edit is not written back over the field: the cursor stays where the user typed.
  EXPECT_EQ(description->textCursor().position(), description->document()->characterCount() - 1);
}

}  // namespace
}  // namespace drobi::gui_testing
