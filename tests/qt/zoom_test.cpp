// The window at other sizes: every place and font follows the form's figures at the zoom, by
// the keys and by dragging the frame, a click on a row still selects it, and Ctrl and 0 goes
// back to 100 %.

#include <gtest/gtest.h>

#include <QScrollBar>

#include "tests/qt/window_fixture.hpp"
#include "ui/window_layout.hpp"

namespace drobi::gui_testing {
namespace {

struct Zooming {
  const char* name;
  int percent;
  QSize window;    // the size dragged to; empty for the keys
  int keys;        // Ctrl and = presses
  QPoint content;  // where the form's top left corner lands
};

void PrintTo(const Zooming& zooming, std::ostream* out) { *out << zooming.name; }

// The form's twips at a zoom, rounded to the nearest pixel: 15 twips are one pixel at 100 %.
int At(int twips, int percent) { return (twips * percent * 2 + 1500) / 3000; }

const Zooming kZooms[] = {
    {"Keys125", 125, {}, 1, {0, 0}},
    // Wider than 200 % needs: the content is centred, with 20 pixels of back colour each side.
    {"Dragged200", 200, {1172, 652}, 0, {20, 0}},
    // The offscreen screen is 800 × 600: 150 % would not fit, the third press changes nothing.
    {"KeysStopAtTheWorkArea", 125, {}, 3, {0, 0}},
};

class Zoom : public WindowTest, public ::testing::WithParamInterface<Zooming> {};

TEST_P(Zoom, PlacesFontsAndClicksFollowTheForm) {
  const Zooming& zooming = GetParam();
  Load();
  const int row_height = RowHeight(*List("Spis(0)"));
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  if (zooming.window.isEmpty()) {
    for (int i = 0; i < zooming.keys; ++i) {
      QTest::keyClick(window_.get(), Qt::Key_Equal, Qt::ControlModifier);
    }
  } else {
    window_->resize(zooming.window);
  }
  QTest::qWait(0);
  const int p = zooming.percent;
  const WindowLayout& form = MainWindowLayout();
  if (zooming.window.isEmpty()) {
    EXPECT_EQ(window_->size(), QSize(At(form.client_width, p), At(form.client_height, p)));
  }
  for (const ControlLayout& control : MainWindowControls()) {
    QWidget* widget = Find(*window_, control.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(
        QRect(widget->mapTo(window_.get(), QPoint()), widget->size()),
        QRect(At(control.left, p), At(control.top, p), At(control.width, p), At(control.height, p))
            .translated(zooming.content))
        << control.name;
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), control.font_points * p / 100.0) << control.name;
  }
  // The rows and the scroll bars' room grow with the font.
  ListView* dylgo = List("Dylgo");
  EXPECT_GE(RowHeight(*List("Spis(0)")) * 100, row_height * (p - 10));
  EXPECT_GE(dylgo->verticalScrollBar()->sizeHint().width() * 100,
            window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) * (p - 10));

  ClickRow("Spis(1)", 5);
  for (const char* list : {"Spis(0)", "Spis(1)", "Spis(2)"}) {
    EXPECT_EQ(ShownSelection(List(list)), 5) << list;
  }

  QTest::keyClick(window_.get(), Qt::Key_0, Qt::ControlModifier);
  QTest::qWait(0);
  EXPECT_EQ(window_->size(), QSize(566, 326));
  EXPECT_EQ(List("Dylgo")->geometry(), QRect(496, 64, 57, 80));
  EXPECT_EQ(RowHeight(*List("Spis(0)")), row_height);
}

INSTANTIATE_TEST_SUITE_P(Steps, Zoom, ::testing::ValuesIn(kZooms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drobi::gui_testing
