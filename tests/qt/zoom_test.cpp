// The window zoomed by the keys and by a dragged frame, and back by Ctrl and 0.

#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QWheelEvent>
#include <tuple>

#include "tests/qt/window_fixture.hpp"
#include "ui/qt/command_menu_bar.hpp"
#include "ui/qt/division_window.hpp"

namespace drobi::gui_testing {
namespace {

struct Zooming {
  const char* name;
  int percent;
  int presses;   // of Ctrl and =; none: the frame is dragged to `window`
  QSize window;  // below the menu bar, the form centred in it: 20 pixels of back colour each
                 // side at 200 %
};

// The offscreen screen is 800 × 600: after 125 % the next steps do not fit.
const Zooming kZooms[] = {{"Keys125", 125, 1, {}},
                          {"Dragged200", 200, 0, {1172, 652}},
                          {"KeysStopAtTheWorkArea", 125, 3, {}}};

// The form's twips at a zoom, rounded to the nearest pixel: 15 twips are one pixel at 100 %.
int At(int twips, int percent) { return (twips * percent * 2 + 1500) / 3000; }

class Zoom : public WindowTest, public ::testing::WithParamInterface<Zooming> {};

TEST_P(Zoom, PlacesFontsAndClicksFollowTheForm) {
  const auto& [name, p, presses, dragged] = GetParam();
  Load();
  const int row_height = RowHeight(*List("Spis(0)"));
  const int bar = window_->ClientArea()->y();
  for (int i = 0; i < presses; ++i)
    QTest::keyClick(window_.get(), Qt::Key_Equal, Qt::ControlModifier);
  if (presses == 0) window_->resize(dragged + QSize(0, bar));
  QTest::qWait(0);
  const WindowLayout& form = MainWindowLayout();
  const QSize client(At(form.client_width, p), At(form.client_height, p));
  const QSize size = presses == 0 ? dragged : client;
  EXPECT_EQ(window_->size(), size + QSize(0, bar));
  EXPECT_EQ(window_->Menus()->height(), bar) << "the menu bar does not zoom";
  const int left = (size.width() - client.width()) / 2;
  EXPECT_EQ(window_->ClientArea()->geometry(), QRect(QPoint(left, bar), client));
  for (const ControlLayout& c : MainWindowControls()) {
    QWidget* widget = Find(*window_, c.name);
    EXPECT_EQ(widget->geometry(),
              QRect(At(c.left, p), At(c.top, p), At(c.width, p), At(c.height, p)))
        << c.name;
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), c.font_points * p / 100.0) << c.name;
  }
  EXPECT_GE(RowHeight(*List("Spis(0)")) * 100, row_height * (p - 10));  // rows grow with the font
  EXPECT_TRUE(window_->Menus()->Action(CommandId::kZoomOut)->isEnabled());
  ClickRow("Spis(1)", 5);
  for (const char* list : {"Spis(0)", "Spis(1)", "Spis(2)"}) {
    EXPECT_EQ(ShownSelection(List(list)), 5) << list;
  }
  QTest::keyClick(window_.get(), Qt::Key_0, Qt::ControlModifier);
  QTest::qWait(0);
  EXPECT_EQ(window_->ClientArea()->geometry(), QRect(0, bar, 566, 326));
  EXPECT_EQ(List("Dylgo")->geometry(), QRect(496, 64, 57, 80));
  EXPECT_EQ(RowHeight(*List("Spis(0)")), row_height);
  EXPECT_FALSE(window_->Menus()->Action(CommandId::kZoomOut)->isEnabled());
  EXPECT_FALSE(window_->Menus()->Action(CommandId::kActualSize)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Steps, Zoom, ::testing::ValuesIn(kZooms),
                         [](const auto& info) { return std::string(info.param.name); });

// The written division zooms by the same steps and keys while it has the focus; the window stays.
TEST_F(WindowTest, DivisionViewZoomsByTheFormsStepsAndKeys) {
  Load();
  window_->Choose(CommandId::kDivisionView);
  DivisionWindow& view = *window_->Division();
  // A transient window counts as active with its parent; the keys go to the active window.
  ASSERT_TRUE(QTest::qWaitFor([&view] { return QApplication::activeWindow() == &view; }));
  QWidget& lines = *view.Lines();
  // Ctrl and a key with these modifiers; Key_Up is a notch of the wheel up.
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> kPresses[] = {
      {Qt::Key_Equal, {}, 125}, {Qt::Key_Plus, Qt::KeypadModifier, 150},
      {Qt::Key_Minus, {}, 125}, {Qt::Key_Up, {}, 150},
      {Qt::Key_0, {}, 100},     {Qt::Key_Minus, Qt::KeypadModifier, 100},
      {Qt::Key_Plus, {}, 125}};
  for (const auto& [key, modifiers, percent] : kPresses) {
    if (key == Qt::Key_Up) {
      QWheelEvent notch(QPointF(10, 10), lines.mapToGlobal(QPointF(10, 10)), {}, {0, 120}, {},
                        Qt::ControlModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(view.Lines()->viewport(), &notch);
    } else {
      QTest::keyClick(&lines, key, Qt::ControlModifier | modifiers);
    }
    EXPECT_DOUBLE_EQ(lines.font().pointSizeF(), kLessonFontPoints * percent / 100.0) << percent;
  }
  EXPECT_EQ(window_->ClientArea()->size(), QSize(566, 326));
}

}  // namespace
}  // namespace drobi::gui_testing
