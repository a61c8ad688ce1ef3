// The lists' rows drawn by RowPainter against Qt's own item painting: the same pixels for every
// kind of row the window shows, and the separator line where the role asks for one.

#include "ui/row_painter.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QListView>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "ui/main_window.hpp"

namespace drobi::gui_testing {
namespace {

constexpr int kSeparatorRole = Qt::UserRole + 7;

struct PaintCase {
  const char* name;
  int points;
  int width;          // of the list, in pixels
  int selected;       // -1: none
  bool focused;       // the list has the keyboard focus (its current row draws a focus frame)
  bool active;        // the window is the active one
  int scrolled_rows;  // rows scrolled off the top
};

void PrintTo(const PaintCase& c, std::ostream* out) { *out << c.name; }

// The texts and tints of the window's lists, a row too long for a narrow list and an empty row.
std::unique_ptr<QStandardItemModel> Rows() {
  const std::vector<const char*> texts{"10",   " 0.",         "-0.6666667", "4",
                                       "1000", "3.1428571",   "",           "1234567890123456789",
                                       "7",    "-1234.0000000", "0",        "90"};
  auto model = std::make_unique<QStandardItemModel>();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    auto* item = new QStandardItem(QString::fromUtf8(texts[i]));  // owned by the model
    if (i % 3 == 1) item->setBackground(QColor(255, 250, 205));
    if (i % 3 == 2) item->setBackground(QColor(220, 235, 255));
    item->setData(i % 4 == 0, kSeparatorRole);
    model->appendRow(item);
  }
  return model;
}

class RowPainterPixels : public ::testing::TestWithParam<PaintCase> {
 protected:
  // A list as the window builds it, painted by `delegate` (Qt's own when null).
  QImage Paint(QAbstractItemDelegate* delegate) {
    const PaintCase& c = GetParam();
    QWidget window;
    window.setFont(MainWindowFont());
    QListView view(&window);
    QFont font = view.font();
    font.setPointSize(c.points);
    view.setFont(font);
    std::unique_ptr<QStandardItemModel> model = Rows();
    view.setModel(model.get());
    view.setUniformItemSizes(true);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (delegate != nullptr) view.setItemDelegate(delegate);
    view.setGeometry(0, 0, c.width, 120);
    window.resize(c.width + 10, 130);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    window.setPalette(palette);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    if (c.active) {
      window.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    if (c.selected >= 0) view.setCurrentIndex(model->index(c.selected, 0));
    if (c.focused) view.setFocus(Qt::OtherFocusReason);
    view.scrollTo(model->index(c.scrolled_rows, 0), QAbstractItemView::PositionAtTop);
    first_row_ = view.indexAt(QPoint(1, 1)).row();
    row_height_ = view.visualRect(model->index(first_row_, 0)).height();
    return view.viewport()->grab().toImage();
  }

  int first_row_ = -1;   // the top row shown after the last Paint
  int row_height_ = 0;
};

TEST_P(RowPainterPixels, DrawsRowsAsQtDoes) {
  QStyledItemDelegate qt_rows;
  RowPainter rows(nullptr);
  const QImage expected = Paint(&qt_rows);
  const QImage painted = Paint(&rows);
  ASSERT_EQ(painted.size(), expected.size());
  // A failure names the first pixel that differs.
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      ASSERT_EQ(painted.pixel(x, y), expected.pixel(x, y)) << "at " << x << "," << y;
    }
  }
}

TEST_P(RowPainterPixels, SeparatorLineOnlyAboveMarkedRows) {
  RowPainter plain(nullptr);
  RowPainter separated(nullptr, kSeparatorRole);
  const QImage without = Paint(&plain);
  const QImage with = Paint(&separated);
  ASSERT_EQ(with.size(), without.size());
  // Rows are of equal height; the marked ones (every fourth) differ in their top line only.
  ASSERT_GE(first_row_, 0);
  ASSERT_GT(row_height_, 0);
  const int rows = static_cast<int>(Rows()->rowCount());
  for (int y = 0; y < with.height(); ++y) {
    const int row = first_row_ + y / row_height_;
    bool differs = false;
    for (int x = 0; x < with.width() && !differs; ++x) {
      differs = with.pixel(x, y) != without.pixel(x, y);
    }
    EXPECT_EQ(differs, y % row_height_ == 0 && row % 4 == 0 && row < rows) << "y " << y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RowPainterPixels,
    ::testing::Values(PaintCase{"Plain12", 12, 73, -1, false, true, 0},
                      PaintCase{"Selected12", 12, 73, 2, false, true, 0},
                      PaintCase{"SelectedInactive12", 12, 73, 1, false, false, 0},
                      PaintCase{"Focused12", 12, 113, 3, true, true, 0},
                      PaintCase{"Scrolled12", 12, 113, 6, false, true, 5},
                      PaintCase{"Narrow12", 12, 49, 5, false, true, 4},
                      PaintCase{"Small9", 9, 65, 0, false, true, 0},
                      PaintCase{"Scrolled9", 9, 65, 9, true, true, 7}),
    [](const ::testing::TestParamInfo<PaintCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drobi::gui_testing
