// The window's list, its rows served from a ListBox and marked from the long number, against a
// plain Qt list view given the same texts, tints and separators directly: the same pixels, frame
// and scroll bar included, in every state a list of the window can be in.

#include <gtest/gtest.h>

#include <QImage>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/lists.hpp"
#include "tests/support/qt_lists.hpp"
#include "ui/long_number.hpp"
#include "ui/lesson/long_number_marks.hpp"
#include "ui/qt/list_view.hpp"
#include "ui/qt/main_window.hpp"

namespace drobi::gui_testing {
namespace {

using testing::RowAt;
using testing::ScrollToRow;

struct LookCase {
  const char* name;
  int rows;             // how many of the sample rows the list has
  int points;           // font size
  int width;            // of the list, in pixels
  int selected;         // -1: none
  bool focused;         // the list has the keyboard focus
  bool active;          // its window is the active one
  int scroll_to;        // a row brought into view after selecting; -1: none
  bool early;           // selected before the window is shown, as at start-up
  bool marked = false;  // the long number of 22/7 with its period marks instead of the samples
};

void PrintTo(const LookCase& c, std::ostream* out) { *out << c.name; }

// The kinds of text the window's lists show.
const std::vector<const char*> kTexts{"10", " 0.",          "-0.6666667", "4",  "1000", "3.1428571",
                                      "90", "1234.0000000", "7",          "-3", "0",    "15",
                                      "8"};

// 22/7 = 3.(142857): row r >= 1 is in turn (r - 1) / 6 + 1 of the period, which starts a turn
// every six rows.
constexpr int kMarkedRows = 21;
const std::vector<const char*> kTwentyTwoSevenths{" 3.", "1", "4", "2", "8", "5", "7",
                                                  "1",   "4", "2", "8", "5", "7", "1",
                                                  "4",   "2", "8", "5", "7", "1", "4"};

QColor Stored(std::uint32_t colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

class ListLook : public ::testing::TestWithParam<LookCase> {
 protected:
  // Shows `list` in a window as the main window does and grabs it.
  QImage Grab(QAbstractScrollArea& list, QWidget& window, const std::function<void()>& select) {
    const LookCase& c = GetParam();
    window.setFont(MainWindowFont());
    QPalette palette = window.palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
      palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    window.setPalette(palette);
    QFont font = list.font();
    font.setPointSize(c.points);
    list.setFont(font);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setGeometry(4, 4, c.width, 80);
    window.resize(c.width + 8, 88);
    if (c.early) select();
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    if (c.active) {
      window.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // The focus first: a focused list shows its keyboard row before anything is selected.
    if (c.focused) list.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    if (!c.early) select();
    QApplication::processEvents();
    // What the screen shows, so that a row left unrepainted after a change shows up too.
    const QRect area(list.mapTo(&window, QPoint(0, 0)), list.size());
    return window.screen()
        ->grabWindow(window.winId(), area.x(), area.y(), area.width(), area.height())
        .toImage();
  }

  QImage Ours() {
    const LookCase& c = GetParam();
    SpisArray spis = testing::PresetLists();
    ListBox box;
    if (c.marked) {
      testing::SetTable(spis, {{22, 7}});
      spis[kNumerators].SetListIndex(0);
      spis[kLongDigits].SetListIndex(1);  // "20"
      ShowLongNumber(spis, box);
    } else {
      for (int row = 0; row < c.rows; ++row) box.AddItem(kTexts[static_cast<std::size_t>(row)]);
    }
    ErrorEdge edge{[](const ErrorReport& report) { ADD_FAILURE() << report.text; }, [](int) {}};
    QWidget window;
    ListView list(box, edge, &window);
    list.Rows().SetRowTexts(std::make_unique<LongNumberMarks>(spis, box));
    const QImage image = Grab(list, window, [&] {
      if (c.selected >= 0) box.SetListIndex(c.selected);
      if (c.scroll_to >= 0) ScrollToRow(list, c.scroll_to);
    });
    top_row_ = RowAt(list, QPoint(2, 2));
    scroll_max_ = list.verticalScrollBar()->maximum();
    return image;
  }

  QImage Qts() {
    const LookCase& c = GetParam();
    QStandardItemModel model;
    for (int row = 0; row < c.rows; ++row) {
      const char* text = (c.marked ? kTwentyTwoSevenths : kTexts)[static_cast<std::size_t>(row)];
      auto* item = new QStandardItem(QString::fromUtf8(text));
      if (c.marked && row > 0) {
        item->setBackground(Stored(kPeriodTints[((row - 1) / 6) % 2]));
        item->setData((row - 1) % 6 == 0, ListModel::kPeriodStartRole);
      }
      model.appendRow(item);  // owns the item
    }
    QWidget window;
    QListView list(&window);
    list.setItemDelegate(new RowDelegate(&list));
    list.setModel(&model);
    list.setUniformItemSizes(true);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    const QImage image = Grab(list, window, [&] {
      if (c.selected >= 0) list.setCurrentIndex(model.index(c.selected, 0));
      if (c.scroll_to >= 0) list.scrollTo(model.index(c.scroll_to, 0));
    });
    qt_top_row_ = list.indexAt(QPoint(2, 2)).row();
    qt_scroll_max_ = list.verticalScrollBar()->maximum();
    return image;
  }

  int top_row_ = -1, scroll_max_ = -1, qt_top_row_ = -1, qt_scroll_max_ = -1;
};

TEST_P(ListLook, SamePixelsAsQtsList) {
  const QImage expected = Qts();
  const QImage painted = Ours();
  EXPECT_EQ(top_row_, qt_top_row_);
  EXPECT_EQ(scroll_max_, qt_scroll_max_);
  ASSERT_EQ(painted.size(), expected.size());
  int differing = 0;
  QPoint first;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (painted.pixel(x, y) != expected.pixel(x, y) && differing++ == 0) first = QPoint(x, y);
    }
  }
  EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListLook,
    ::testing::Values(
        LookCase{"Plain", 13, 12, 73, -1, false, true, -1, false},
        LookCase{"Selected", 13, 12, 73, 2, false, true, -1, false},
        LookCase{"SelectedInactiveWindow", 13, 12, 73, 1, false, false, -1, false},
        LookCase{"Focused", 13, 12, 113, 3, true, true, -1, false},
        LookCase{"SelectedBelowTheView", 13, 12, 113, 9, false, true, -1, false},
        LookCase{"ScrolledToTheLastRow", 13, 12, 65, 12, true, true, 12, false},
        LookCase{"FewRowsNoScrollBar", 3, 12, 73, 0, false, true, -1, false},
        LookCase{"Empty", 0, 12, 73, -1, true, true, -1, false},
        LookCase{"Small", 13, 9, 65, 0, false, true, -1, false},
        LookCase{"SmallScrolled", 13, 9, 65, 11, true, true, -1, false},
        LookCase{"SelectedBeforeShown", 13, 12, 73, 4, false, true, -1, true},
        LookCase{"LastSelectedBeforeShown", 13, 9, 65, 12, false, true, -1, true},
        LookCase{"LongNumberMarked", kMarkedRows, 12, 57, 2, false, true, -1, false, true},
        LookCase{"LongNumberMarkedScrolled", kMarkedRows, 12, 57, 13, true, true, 20, false, true}),
    [](const ::testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drobi::gui_testing
