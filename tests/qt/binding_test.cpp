// The window driven by a user: the shared scenarios through the Qt driver, and what only Qt's
// widgets can get wrong.

#include <gtest/gtest.h>

#include <QScrollBar>

#include "tests/qt/window_fixture.hpp"
#include "tests/support/qt_user_driver.hpp"
#include "tests/support/scenario_name.hpp"
#include "tests/support/scenario_run.hpp"
#include "tests/support/window_scenarios.hpp"

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

}  // namespace
}  // namespace drobi::gui_testing
