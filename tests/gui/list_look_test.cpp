// The window's own list against Qt's list view showing the same rows: the same pixels, frame
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

#include "ui/list_view.hpp"
#include "ui/main_window.hpp"

namespace drobi::gui_testing {
namespace {

constexpr int kSeparatorRole = Qt::UserRole + 7;

struct LookCase {
  const char* name;
  int rows;       // how many of the sample rows the list has
  int points;     // font size
  int width;      // of the list, in pixels
  int selected;   // -1: none
  bool focused;   // the list has the keyboard focus
  bool active;    // its window is the active one
  int scroll_to;  // a row brought into view after selecting; -1: none
  bool early;     // selected before the window is shown, as at start-up
};

void PrintTo(const LookCase& c, std::ostream* out) { *out << c.name; }

// The kinds of text the window's lists show, and every third row tinted as a period turn.
const std::vector<const char*> kTexts{"10",   " 0.",       "-0.6666667", "4",  "1000",
                                      "3.1428571", "90",   "1234.0000000", "7", "-3",
                                      "0",    "15",        "8"};

QColor Tint(int row) {
  return row % 3 == 1 ? QColor(255, 250, 205) : row % 3 == 2 ? QColor(220, 235, 255) : QColor();
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
    ListBox box;
    for (int row = 0; row < c.rows; ++row) box.AddItem(kTexts[static_cast<std::size_t>(row)]);
    ErrorEdge edge{[](const ErrorReport& report) { ADD_FAILURE() << report.text; }, [](int) {}};
    QWidget window;
    ListView list(box, edge, &window);
    list.SetMoreRoles([](int row, int role) {
      return role == Qt::BackgroundRole && Tint(row).isValid() ? QVariant(QBrush(Tint(row)))
                                                               : QVariant();
    });
    const QImage image = Grab(list, window, [&] {
      if (c.selected >= 0) box.SetListIndex(c.selected);
      if (c.scroll_to >= 0) list.ScrollToRow(c.scroll_to);
    });
    top_row_ = list.RowAt(QPoint(2, 2));
    scroll_max_ = list.verticalScrollBar()->maximum();
    return image;
  }

  QImage Qts() {
    const LookCase& c = GetParam();
    QStandardItemModel model;
    for (int row = 0; row < c.rows; ++row) {
      auto* item = new QStandardItem(QString::fromUtf8(kTexts[static_cast<std::size_t>(row)]));
      if (Tint(row).isValid()) item->setBackground(Tint(row));
      model.appendRow(item);  // owns the item
    }
    QWidget window;
    QListView list(&window);
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
    ::testing::Values(LookCase{"Plain", 13, 12, 73, -1, false, true, -1, false},
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
                      LookCase{"LastSelectedBeforeShown", 13, 9, 65, 12, false, true, -1, true}),
    [](const ::testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drobi::gui_testing
