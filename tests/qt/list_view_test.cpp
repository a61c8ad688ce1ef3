// One list on its own: which mouse and key actions become clicks of the ListBox, and that the
// view follows the ListBox's own changes without raising any.

#include "ui/qt/list_view.hpp"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <memory>
#include <string>

#include "tests/qt/window_fixture.hpp"

namespace drobi::gui_testing {
namespace {

class ListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* row : {"10", "20", "30"}) list_.AddItem(row);
    list_.SetClickHandler([this] { clicks_.push_back(list_.ListIndex()); });
    view_ = std::make_unique<ListView>(list_, edge_, nullptr);
    view_->setGeometry(0, 0, 80, 200);  // room below the last row
    view_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
  }

  QPoint RowCentre(int row) const { return RowRect(*view_, row).center(); }

  ListBox list_;
  std::vector<int> clicks_;  // the selected row at each click
  ErrorEdge edge_{[](const ErrorReport& report) { ADD_FAILURE() << report.text; }, [](int) {}};
  std::unique_ptr<ListView> view_;
};

struct MouseCase {
  const char* name;
  int selected_before;
  int row;  // -1: below the last row
  std::vector<int> clicks;
};

void PrintTo(const MouseCase& c, std::ostream* out) { *out << c.name; }

class ListViewMouse : public ListViewTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(ListViewMouse, OneClickPerPressOnARow) {
  const MouseCase& c = GetParam();
  if (c.selected_before >= 0) list_.SetListIndex(c.selected_before);
  clicks_.clear();
  const QPoint at = c.row >= 0 ? RowCentre(c.row) : QPoint(10, 190);
  QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(clicks_, c.clicks);
  EXPECT_EQ(ShownSelection(view_.get()), list_.ListIndex());
}

INSTANTIATE_TEST_SUITE_P(Cases, ListViewMouse,
                         ::testing::Values(MouseCase{"NewRow", -1, 1, {1}},
                                           MouseCase{"OtherRow", 0, 2, {2}},
                                           MouseCase{"SelectedRow", 1, 1, {1}},
                                           MouseCase{"BelowLastRow", 1, -1, {}},
                                           MouseCase{"BelowLastRowNothingSelected", -1, -1, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListViewTest, RightButtonSelectsNothing) {
  QTest::mouseClick(view_->viewport(), Qt::RightButton, {}, RowCentre(1));
  EXPECT_TRUE(clicks_.empty());
  EXPECT_EQ(list_.ListIndex(), -1);
}

TEST_F(ListViewTest, DoubleClickIsTwoClicks) {
  // A double click reaches a widget as press, release, double-click press and release; QTest's
  // mouseDClick sends only the double-click press.
  QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, RowCentre(2));
  QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, RowCentre(2));
  EXPECT_EQ(clicks_, (std::vector<int>{2, 2}));
}

TEST_F(ListViewTest, DraggingOverRowsClicksEachNewRow) {
  QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, RowCentre(0));
  QMouseEvent move(QEvent::MouseMove, RowCentre(2), view_->viewport()->mapToGlobal(RowCentre(2)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view_->viewport(), &move);
  QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, RowCentre(2));
  EXPECT_EQ(clicks_, (std::vector<int>{0, 2}));
}

TEST_F(ListViewTest, FirstKeyDownSelectsTheFirstRow) {
  view_->setFocus();
  QTest::keyClick(view_.get(), Qt::Key_Down);
  QTest::keyClick(view_.get(), Qt::Key_Down);
  EXPECT_EQ(clicks_, (std::vector<int>{0, 1}));
  EXPECT_EQ(ShownSelection(view_.get()), 1);
}

// With no row selected, every moving key goes to the first row, as in Qt's lists; End too.
struct KeyCase {
  const char* name;
  Qt::Key key;
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class ListViewFirstKey : public ListViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ListViewFirstKey, SelectsTheFirstRow) {
  view_->setFocus();
  QTest::keyClick(view_.get(), GetParam().key);
  EXPECT_EQ(clicks_, (std::vector<int>{0}));
  EXPECT_EQ(ShownSelection(view_.get()), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, ListViewFirstKey,
                         ::testing::Values(KeyCase{"Up", Qt::Key_Up}, KeyCase{"Down", Qt::Key_Down},
                                           KeyCase{"PageUp", Qt::Key_PageUp},
                                           KeyCase{"PageDown", Qt::Key_PageDown},
                                           KeyCase{"Home", Qt::Key_Home},
                                           KeyCase{"End", Qt::Key_End}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListViewTest, TypingARowsFirstCharacterSelectsIt) {
  view_->setFocus();
  QTest::keyClicks(view_.get(), QStringLiteral("3"));
  EXPECT_EQ(clicks_, (std::vector<int>{2}));
}

// A screen reader that selects a row first clears the selection, then selects the row: one click.
TEST_F(ListViewTest, AnAssistiveToolSelectsARowWithOneClick) {
  list_.SetListIndex(0);
  clicks_.clear();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view_.get());
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->tableInterface(), nullptr);
  EXPECT_TRUE(list->tableInterface()->selectRow(2));
  EXPECT_EQ(clicks_, (std::vector<int>{2}));
  EXPECT_EQ(ShownSelection(view_.get()), 2);
  ASSERT_NE(list->child(2), nullptr);
  EXPECT_TRUE(list->child(2)->state().selected);
  EXPECT_FALSE(list->child(0)->state().selected);
}

TEST_F(ListViewTest, FollowsTheListBoxWithoutClicking) {
  list_.SetListIndex(2);
  EXPECT_EQ(clicks_, (std::vector<int>{2}));  // the ListBox's own click, and no other
  EXPECT_EQ(ShownSelection(view_.get()), 2);
  list_.AddItem("40");
  EXPECT_EQ(ShownRows(view_.get()), (std::vector<std::string>{"10", "20", "30", "40"}));
  EXPECT_EQ(ShownSelection(view_.get()), 2);
  list_.Clear();
  EXPECT_TRUE(ShownRows(view_.get()).empty());
  EXPECT_EQ(ShownSelection(view_.get()), -1);
  EXPECT_EQ(clicks_.size(), 1u);
}

// A long list: the wheel and the page keys move by whole rows, and only a key moves the selection.
class LongListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 40; ++i) list_.AddItem(std::to_string(i));
    list_.SetClickHandler([this] { clicks_.push_back(list_.ListIndex()); });
    view_ = std::make_unique<ListView>(list_, edge_, nullptr);
    view_->setToolTip(QStringLiteral("Числител"));
    view_->setGeometry(0, 0, 80, 100);
    view_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
  }

  ListBox list_;
  std::vector<int> clicks_;
  ErrorEdge edge_{[](const ErrorReport& report) { ADD_FAILURE() << report.text; }, [](int) {}};
  std::unique_ptr<ListView> view_;
};

TEST_F(LongListTest, WheelScrollsWholeRowsWithoutClicking) {
  const int full_rows = view_->viewport()->height() / RowHeight(*view_);
  ASSERT_GE(full_rows, 2);
  EXPECT_EQ(view_->verticalScrollBar()->maximum(), 40 - full_rows);
  const QPoint at = view_->viewport()->rect().center();
  QWheelEvent wheel(at, view_->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view_->viewport(), &wheel);
  EXPECT_GT(TopRow(*view_), 0);
  EXPECT_EQ(RowRect(*view_, TopRow(*view_)).top(), 0);  // a whole row at the top
  EXPECT_TRUE(clicks_.empty());
  EXPECT_EQ(list_.ListIndex(), -1);
}

// As in a Windows list, Page Down goes to the last row in view, and from there a page further, so
// that the row left behind stays in view: a page is one row less than the rows in view.
TEST_F(LongListTest, PageDownMovesToTheLastRowInViewAndKeepsTheRowInView) {
  const int page = view_->viewport()->height() / RowHeight(*view_) - 1;
  ASSERT_GE(page, 2);
  view_->setFocus();
  QTest::keyClick(view_.get(), Qt::Key_Down);
  QTest::keyClick(view_.get(), Qt::Key_PageDown);
  QTest::keyClick(view_.get(), Qt::Key_PageDown);
  EXPECT_EQ(clicks_, (std::vector<int>{0, page, 2 * page}));
  const QRect selected = RowRect(*view_, 2 * page);
  EXPECT_TRUE(view_->viewport()->rect().contains(selected));
  QTest::keyClick(view_.get(), Qt::Key_End);
  EXPECT_EQ(list_.ListIndex(), 39);
  EXPECT_TRUE(view_->viewport()->rect().contains(RowRect(*view_, 39)));
  EXPECT_EQ(view_->verticalScrollBar()->value(), view_->verticalScrollBar()->maximum());
}

TEST_F(LongListTest, RowsWithoutAHoverTextOfTheirOwnShowTheLists) {
  const QPoint at = RowRect(*view_, 1).center();
  QHelpEvent hover(QEvent::ToolTip, at, view_->viewport()->mapToGlobal(at));
  QApplication::sendEvent(view_->viewport(), &hover);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Числител"));
  QToolTip::hideText();
}

// A list that is emptied and refilled inside one handler shows its new rows from the top, like
// a new list, whatever part of the old rows was scrolled into view.
TEST(ListViewRefill, StartsFromTheTopAfterClear) {
  ListBox list;
  ErrorEdge edge{[](const ErrorReport& report) { ADD_FAILURE() << report.text; }, [](int) {}};
  for (int i = 0; i < 91; ++i) list.AddItem(std::to_string(i % 10));
  ListView view(list, edge, nullptr);
  view.setGeometry(0, 0, 57, 80);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  ScrollToRow(view, RowCount(view) - 1);
  QApplication::processEvents();
  ASSERT_GT(view.verticalScrollBar()->value(), 0);

  list.Clear();
  for (int i = 0; i < 91; ++i) list.AddItem(std::to_string((i + 3) % 10));
  QApplication::processEvents();
  EXPECT_EQ(view.verticalScrollBar()->value(), 0);
  EXPECT_EQ(RowAt(view, QPoint(5, 5)), 0);
}

}  // namespace
}  // namespace drobi::gui_testing
