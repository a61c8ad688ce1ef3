// The long-number list marks the period of the selected fraction and explains each digit, while
// its rows and every list's selection stay what the form holds.

#include "ui/lesson/long_number_marks.hpp"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QBrush>
#include <QFont>
#include <QHelpEvent>
#include <QImage>
#include <QToolTip>
#include <ostream>
#include <string>
#include <vector>

#include "tests/qt/window_fixture.hpp"
#include "tests/support/exact.hpp"
#include "ui/lesson/quotient_notes.hpp"

namespace drobi::gui_testing {
namespace {

using testing::ExactLongNumber;

const QString kListHover = QStringLiteral("На всеки следващ ред е поредната цифра");

// Drawn from interval 50 (Spis(3) row 2), so that 22/7 and 1/97 fit.
const std::vector<Fraction> kMarkTable{{1, 7},  {1, 6}, {1, 8},  {22, 7}, {1, 97}, {-3, 7},
                                       {1, 12}, {0, 9}, {13, 1}, {7, 3},  {1, 2},  {1, 2},
                                       {1, 2},  {1, 2}, {1, 2},  {1, 2}};

class LongNumberMarksTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Load();
    random_->Script(DrawsFor(kMarkTable, 50));
    ClickRow("Spis(3)", 2);
    ASSERT_EQ(form_->Spis[0].Rows().size(), kMarkTable.size());
  }

  // Selects a fraction and a digit count the way a user does.
  void Show(int row, int digits) {
    ClickRow("Spis(5)", digits / 10 - 1);
    ClickRow("Spis(0)", row);
    // Lets the view lay out and paint the new rows, as the event loop does after a click.
    QApplication::processEvents();
  }

  QVariant Role(int row, int role) { return RowData(*List("Dylgo"), row, role); }
  std::string RoleText(int row, int role) { return Role(row, role).toString().toStdString(); }

  // The rows and selections must be exactly those of the form, as if nothing were marked.
  void ExpectRowsAndSelectionsUnchanged(long long p, long long q, int digits) {
    ListView* dylgo = List("Dylgo");
    EXPECT_EQ(ShownRows(dylgo), ExactLongNumber(p, q, digits));
    EXPECT_EQ(ShownRows(dylgo), form_->Dylgo.Rows());
    for (int i = 0; i < 6; ++i) {
      const std::string name = "Spis(" + std::to_string(i) + ")";
      ListView* view = List(name.c_str());
      EXPECT_EQ(ShownRows(view), form_->Spis[static_cast<std::size_t>(i)].Rows()) << name;
      EXPECT_EQ(ShownSelection(view), form_->Spis[static_cast<std::size_t>(i)].ListIndex()) << name;
    }
    EXPECT_EQ(ShownSelection(dylgo), -1);
    EXPECT_EQ(form_->Dylgo.ListIndex(), -1);
  }
};

// The list shows what the form's marks say of each row, as Qt roles: the turn and its start, the
// tint in its stored colour, the hover and accessible texts; and the rows and every selection
// stay exactly the form's.
TEST_F(LongNumberMarksTest, RolesShowTheMarks) {
  const LongNumberMarks marks(form_->Spis, form_->Dylgo);
  for (const auto& [row, digits] :
       {std::pair{0, 10}, {1, 10}, {2, 10}, {3, 20}, {4, 90}, {7, 10}}) {
    Show(row, digits);
    const auto& [p, q] = kMarkTable[static_cast<std::size_t>(row)];
    SCOPED_TRACE(std::to_string(p) + "/" + std::to_string(q));
    ExpectRowsAndSelectionsUnchanged(p, q, digits);
    ASSERT_TRUE(marks.Marked());
    for (int r = 0; r <= digits; ++r) {
      SCOPED_TRACE("row " + std::to_string(r));
      const RowMark mark = marks.Mark(r);
      EXPECT_EQ(Role(r, ListModel::kPeriodTurnRole).toInt(), mark.turn);
      EXPECT_EQ(Role(r, ListModel::kPeriodStartRole).toBool(), mark.starts_turn);
      const QVariant background = Role(r, Qt::BackgroundRole);
      if (mark.turn == 0) {
        EXPECT_FALSE(background.isValid());
      } else {
        const QColor tint = background.value<QBrush>().color();
        EXPECT_EQ(tint, QColor(static_cast<int>(mark.tint & 0xFF),
                               static_cast<int>((mark.tint >> 8) & 0xFF),
                               static_cast<int>(mark.tint >> 16)));
      }
      EXPECT_FALSE(Role(r, Qt::FontRole).isValid());  // the digits keep one face and width
      EXPECT_EQ(RoleText(r, Qt::ToolTipRole), marks.HoverText(r));
      EXPECT_EQ(RoleText(r, Qt::AccessibleDescriptionRole), marks.SpokenNote(r));
      EXPECT_EQ(RoleText(r, Qt::AccessibleTextRole), marks.AccessibleText(r));
    }
  }
}

TEST_F(LongNumberMarksTest, EveryDigitRowStartsWithTheListsHoverText) {
  Show(4, 90);
  EXPECT_EQ(List("Dylgo")->toolTip(), kListHover);
  for (int row = 0; row <= 90; ++row) {
    EXPECT_TRUE(Role(row, Qt::ToolTipRole).toString().startsWith(kListHover + "\n")) << row;
  }
}

TEST_F(LongNumberMarksTest, HoveringARowShowsItsStep) {
  Show(0, 10);
  ListView* dylgo = List("Dylgo");
  const QPoint at = RowRect(*dylgo, 2).center();
  QHelpEvent hover(QEvent::ToolTip, at, dylgo->viewport()->mapToGlobal(at));
  QApplication::sendEvent(dylgo->viewport(), &hover);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_TRUE(QToolTip::text().endsWith(QStringLiteral("30 : 7 = 4, остатък 2")))
      << QToolTip::text().toStdString();
  QToolTip::hideText();
}

// Each quotient row's hover text and description are the notes of that row's own fraction.
TEST_F(LongNumberMarksTest, QuotientRowsTellTheirExactValue) {
  const QuotientNotes notes(form_->Spis, form_->Style());
  ListView* quotients = List("Spis(2)");
  for (int row = 0; row < kTableRows; ++row) {
    const std::string text = notes.HoverText(row);
    const std::string fraction = "\n" + form_->Spis[0].List(row) + "/" + form_->Spis[1].List(row);
    EXPECT_NE(text.find(fraction + " = "), std::string::npos) << row;
    EXPECT_EQ(RowData(*quotients, row, Qt::ToolTipRole).toString().toStdString(), text) << row;
    EXPECT_EQ(RowData(*quotients, row, Qt::AccessibleDescriptionRole).toString().toStdString(),
              notes.SpokenNote(row));
  }
  for (const int row : {2, 1, 4}) {  // 1/8 ends, 1/6 repeats after a digit, 1/97 is cut
    ScrollToRow(*quotients, row);
    const QPoint at = RowRect(*quotients, row).center();
    QHelpEvent hover(QEvent::ToolTip, at, quotients->viewport()->mapToGlobal(at));
    QApplication::sendEvent(quotients->viewport(), &hover);
    EXPECT_EQ(QToolTip::text().toStdString(), notes.HoverText(row));
    RecordProperty("hover_row_" + std::to_string(row), QToolTip::text().toStdString());
  }
  QToolTip::hideText();
}

// The line above the first digit of each turn is drawn in the text colour, so the turns can be
// told apart without their tints.
TEST_F(LongNumberMarksTest, SeparatorLineAboveEachTurn) {
  Show(1, 10);  // 1/6: rows 2 to 10 each start a turn
  ListView* dylgo = List("Dylgo");
  const QImage image = dylgo->viewport()->grab().toImage();
  const QColor text = dylgo->palette().color(QPalette::Text);
  const auto line_above = [&](int row) {
    const QRect rect = RowRect(*dylgo, row);
    return QColor(image.pixel(rect.right() - 2, rect.top())) == text;
  };
  EXPECT_FALSE(line_above(1));
  int seen = 0;
  for (int row = 2; row <= 10; ++row) {
    if (RowRect(*dylgo, row).bottom() >= image.height()) break;
    EXPECT_TRUE(line_above(row)) << row;
    ++seen;
  }
  EXPECT_GE(seen, 2);
  Show(0, 10);
  const QImage seventh = dylgo->viewport()->grab().toImage();
  const QRect second = RowRect(*dylgo, 2);
  EXPECT_NE(QColor(seventh.pixel(second.right() - 2, second.top())), text);
}

TEST_F(LongNumberMarksTest, RowsAnnounceTheirMarking) {
  Show(1, 10);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(List("Dylgo"));
  ASSERT_NE(list, nullptr);
  // A screen reader sees a list whose items are the rows.
  EXPECT_EQ(list->role(), QAccessible::List);
  ASSERT_EQ(list->childCount(), RowCount(*List("Dylgo")));
  const auto announced = [&](int row) {
    QAccessibleInterface* item = list->child(row);
    if (item == nullptr) return std::string();
    EXPECT_EQ(item->role(), QAccessible::ListItem) << row;
    return item->text(QAccessible::Name).toStdString();
  };
  // What the rows say is worked out by the marks (tested with the form alone); the list hands
  // it over as each row's name.
  const LongNumberMarks marks(form_->Spis, form_->Dylgo);
  for (const int row : {0, 1, 3}) EXPECT_EQ(announced(row), marks.AccessibleText(row)) << row;
  // A screen reader that is listening is told of the new rows and asks again; this one is not,
  // so the rows of the next fraction are read from the list's rows themselves.
  Show(0, 10);
  for (const int row : {0, 2}) {
    EXPECT_EQ(RoleText(row, Qt::AccessibleTextRole), marks.AccessibleText(row)) << row;
  }
}

TEST_F(LongNumberMarksTest, ClickingARowOfTheLongNumberSelectsItAsBefore) {
  Show(0, 10);
  ClickRow("Dylgo", 7);
  EXPECT_EQ(form_->Dylgo.ListIndex(), 7);
  EXPECT_EQ(ShownSelection(List("Dylgo")), 7);
  EXPECT_EQ(ShownRows(List("Dylgo")), ExactLongNumber(1, 7, 10));
  // A screen reader is told of the same one selected row.
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(List("Dylgo"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->childCount(), 11);
  for (int row = 0; row < list->childCount(); ++row) {
    QAccessibleInterface* item = list->child(row);
    ASSERT_NE(item, nullptr) << row;
    EXPECT_EQ(item->state().selected, row == 7) << row;
  }
}

TEST_F(LongNumberMarksTest, ClearedListShowsNoMarks) {
  Show(0, 10);
  form_->Dylgo.AddItem("9");  // rows that are no longer the selected fraction's long number
  EXPECT_FALSE(Role(1, Qt::BackgroundRole).isValid());
  EXPECT_FALSE(Role(1, Qt::ToolTipRole).isValid());
  QTest::mouseClick(Find<QWidget>(*window_, "Command1"), Qt::LeftButton);
  EXPECT_EQ(RowCount(*List("Dylgo")), 0);
  random_->Script(DrawsFor(kMarkTable, 50));
  ClickRow("Spis(4)", 3);  // a new table; its first row is selected and shown
  EXPECT_TRUE(Role(0, Qt::ToolTipRole).isValid());
}

TEST_F(LongNumberMarksTest, ListsAndTextFieldsCarryTheirCaptionsForScreenReaders) {
  struct Case {
    const char* control;
    const char* name;
    const char* description;
  };
  for (const Case& c : {
           Case{"Spis(0)", "Делимо", "Числител"},
           Case{"Spis(1)", "Делител", "Знаменател"},
           Case{"Spis(2)", "Частно", "Десетична дроб"},
           Case{"Spis(3)", "Интервал", "Избор на интервал за числителя и знаменателя"},
           Case{"Spis(4)", "Брой цифри", "Брой цифри от 0 до 7 на десетичната дроб"},
           Case{"Spis(5)", "брой цифри на дългото число",
                "Брой цифри от 10 до 90 на десетичната дроб, дълго число"},
           Case{"Dylgo", "дълго число", "На всеки следващ ред е поредната цифра"},
           Case{"Text1(0)", "Описание", "Има ли въпроси?"},
           Case{"Text1(1)", "Бележки", ""},
       }) {
    QWidget* widget = Find(*window_, c.control);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->accessibleName().toStdString(), c.name) << c.control;
    EXPECT_EQ(widget->accessibleDescription().toStdString(), c.description) << c.control;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), c.name) << c.control;
  }
}

}  // namespace
}  // namespace drobi::gui_testing
