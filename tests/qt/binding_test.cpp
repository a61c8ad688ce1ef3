// The window driven by a user: the shared scenarios through the Qt driver, and what only Qt's
// widgets can get wrong.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QScrollBar>
#include <QTextBlock>

#include "tests/qt/window_fixture.hpp"
#include "tests/support/qt_user_driver.hpp"
#include "tests/support/scenario_name.hpp"
#include "tests/support/scenario_run.hpp"
#include "tests/support/window_scenarios.hpp"
#include "ui/lesson/fraction_entry.hpp"
#include "ui/lesson/written_division.hpp"
#include "ui/qt/division_window.hpp"
#include "ui/qt/exercises_window.hpp"
#include "ui/qt/fraction_dialog.hpp"

namespace drobi::gui_testing {
namespace {

using testing::Scenario;

class SharedScenario : public WindowTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(SharedScenario, Passes) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  testing::QtUserDriver driver(*window_);
  testing::ScenarioRun run(driver, *form_, *random_, trace_, ".");
  GetParam().run(run);
}

INSTANTIATE_TEST_SUITE_P(Window, SharedScenario, ::testing::ValuesIn(testing::kWindowScenarios),
                         testing::ScenarioName());

// The scroll bar comes with the view's next layout pass, not with the rows.
TEST_F(WindowTest, LongNumberOfNinetyDigitsGetsItsScrollBar) {
  Load();
  ClickRow("Spis(5)", 8);
  EXPECT_TRUE(QTest::qWaitFor([this] { return List("Dylgo")->verticalScrollBar()->isVisible(); }));
}

// The user's edit is not written back over the field: the cursor stays where the user typed.
TEST_F(WindowTest, TypingLeavesTheCursorWhereTheUserTyped) {
  QPlainTextEdit* description = Text("Text1(0)");
  description->setFocus();
  description->moveCursor(QTextCursor::End);
  QTest::keyClicks(description, QStringLiteral("!"));
  EXPECT_EQ(form_->Text1[0].Text(), std::string(DescriptionText()) + "!");
  EXPECT_EQ(description->textCursor().position(), description->document()->characterCount() - 1);
}

// Enter on the long number opens the written division, and so does a double click on a row,
// after the click that selects the row.
TEST_F(WindowTest, LongNumberOpensTheWrittenDivision) {
  testing::QtUserDriver driver(*window_);
  Load();
  for (const bool by_enter : {true, false}) {
    SCOPED_TRACE(by_enter ? "Enter" : "double click");
    if (window_->Division() != nullptr) window_->Division()->close();
    ASSERT_TRUE(driver.DivisionLines().empty());
    if (by_enter) {
      driver.Focus("Dylgo");
      QTest::keyClick(List("Dylgo"), Qt::Key_Return);
    } else {
      driver.ClickRow("Dylgo", 3, true);
    }
    EXPECT_EQ(driver.DivisionLines(), WrittenDivisionOf(*form_).lines);
  }
  EXPECT_EQ(form_->Dylgo.ListIndex(), 3);
}

// Each character shows the tint of the last mark on it, with the underline and bold type of every
// mark on it, and nothing where no mark is; marks of a step selected before are gone.
// Ctrl+C copies every line, or the selection when there is one.
TEST_F(WindowTest, DivisionViewPaintsTheMarksAndCopies) {
  Load();
  ClickRow("Spis(1)", 9);  // -1/6: the period, the selected step and the repeat overlap
  window_->Choose(CommandId::kDivisionView);
  QPlainTextEdit& view = *window_->Division()->Lines();
  for (const int step : {3, 1}) {
    ClickRow("Dylgo", step);
    const LessonText text = WrittenDivisionOf(*form_);
    std::string wrong;
    int line = 0;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
      for (int at = 0; at < block.length() - 1; ++at) {
        QColor tint;  // none
        bool underline = false, bold = false;
        for (const MarkedSpan& mark : text.marks) {
          if (mark.line != line || at < mark.first || at >= mark.first + mark.count) continue;
          const MarkLook look = LookOf(mark.role);
          tint = QColor(look.tint & 0xFF, look.tint >> 8 & 0xFF, look.tint >> 16 & 0xFF);
          underline |= look.underline;
          bold |= look.bold;
        }
        QTextCursor after(block);
        after.setPosition(block.position() + at + 1);
        const QTextCharFormat shown = after.charFormat();
        const QBrush back = shown.background();
        if ((back.style() == Qt::NoBrush ? QColor() : back.color()) != tint ||
            shown.fontUnderline() != underline || (shown.fontWeight() >= QFont::Bold) != bold) {
          wrong += " " + std::to_string(line) + ":" + std::to_string(at);
        }
      }
      ++line;
    }
    EXPECT_EQ(wrong, "") << "step " << step;
  }
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), WrittenDivisionOf(*form_).Joined());
  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_End, Qt::ShiftModifier);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            WrittenDivisionOf(*form_).lines.front());
}

// A bad fraction keeps the dialog open with the text as typed and the message as the label's
// spoken name; Escape closes it with the table as it was, and it opens again empty.
TEST_F(WindowTest, FractionDialogKeepsABadInputAndEscapeChangesNothing) {
  Load();
  ClickRow("Spis(1)", 2);
  const std::vector<std::string> rows = ShownRows(List("Spis(0)"));
  window_->Choose(CommandId::kEnterFraction);
  FractionDialog& dialog = *window_->FractionEntry();
  EXPECT_EQ(dialog.Field()->placeholderText().toStdString(), kFractionHint);
  QTest::keyClicks(dialog.Field(), QStringLiteral("1/40000"));
  QTest::keyClick(dialog.Field(), Qt::Key_Return);
  ASSERT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.Field()->text(), QStringLiteral("1/40000"));
  const std::string message = std::get<std::string>(ReadFraction("1/40000"));
  EXPECT_EQ(dialog.Message()->text().toStdString(), message);
  EXPECT_EQ(dialog.Message()->accessibleName().toStdString(), message);
  QTest::keyClick(dialog.Field(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(ShownRows(List("Spis(0)")), rows);
  EXPECT_EQ(form_->Spis[0].ListIndex(), 2);
  window_->Choose(CommandId::kEnterFraction);
  EXPECT_TRUE(dialog.Field()->text().isEmpty());
  EXPECT_TRUE(dialog.Message()->isHidden());
}

// The key к alone answers; the verdict's label has the spoken verdict as its name; «Виж
// делението» selects the task's row and opens its division; Enter goes on to the next task.
TEST_F(WindowTest, ExercisesTakeTheKeyAloneAndShowTheDivision) {
  Load();
  ClickRow("Spis(1)", 5);
  window_->Choose(CommandId::kExercises);
  ExercisesWindow& view = *window_->ExercisesView();
  QTest::sendKeyEvent(QTest::Click, view.focusWidget(), Qt::Key_unknown, QStringLiteral("к"),
                      Qt::NoModifier);
  EXPECT_TRUE(view.VerdictLine()->text().startsWith(QStringLiteral("Грешно")));
  Exercises oracle(*form_);
  EXPECT_EQ(view.VerdictLine()->accessibleName().toStdString(), oracle.AnswerEnds(true).spoken);
  EXPECT_EQ(view.CountLine()->accessibleName().toStdString(), oracle.SpokenCount());
  QTest::mouseClick(view.ShowDivisionButton(), Qt::LeftButton);
  EXPECT_EQ(form_->Spis[0].ListIndex(), 0);
  testing::QtUserDriver driver(*window_);
  EXPECT_EQ(driver.DivisionLines(), WrittenDivisionOf(*form_).lines);
  QTest::keyClick(view.NextTask(), Qt::Key_Return);
  EXPECT_NE(view.QuestionLine()->text().indexOf(QStringLiteral("-3/7")), -1);
}

}  // namespace
}  // namespace drobi::gui_testing
