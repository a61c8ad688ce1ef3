// The command button paints itself; Qt's style sheet engine drawing the flat outset button it
// replaces is the reference, pixel for pixel, in each state the user can see.

#include "ui/qt/flat_button.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTest>

#include "ui/qt/main_window.hpp"

namespace drobi {
namespace {

struct Look {
  const char* name;
  QColor face;
  bool focus;
  bool down;
};

void PrintTo(const Look& look, std::ostream* out) { *out << look.name; }

QString ReferenceSheet(const QColor& face) {
  return QStringLiteral(
             "QPushButton { background-color: %1; color: black; border: 2px outset %2; }"
             "QPushButton:focus { border-color: %3; }"
             "QPushButton:pressed { border-style: inset; }")
      .arg(face.name(), face.lighter(150).name(), face.darker(160).name());
}

class FlatButtonLook : public ::testing::TestWithParam<Look> {};

TEST_P(FlatButtonLook, MatchesTheStyleSheetButton) {
  const Look& look = GetParam();
  // A window around the buttons, as in the program: its font and a background that shows
  // through any pixel a button leaves unpainted.
  QWidget window;
  window.setFont(MainWindowFont());
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(192, 192, 255));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.resize(200, 60);
  const QString caption = QStringLiteral("Чисти");
  auto* reference = new QPushButton(caption, &window);
  reference->setStyleSheet(ReferenceSheet(look.face));
  reference->setGeometry(8, 8, 73, 25);
  auto* flat = new FlatButton(caption, look.face, &window);
  flat->setGeometry(100, 8, 73, 25);
  auto* elsewhere = new QPushButton(QStringLiteral("x"), &window);
  elsewhere->setGeometry(180, 8, 15, 15);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  const auto grab = [&](QPushButton& button) {
    if (look.focus) {
      button.setFocus();
      EXPECT_TRUE(QTest::qWaitFor([&button] { return button.hasFocus(); }));
    } else {
      elsewhere->setFocus();
    }
    button.setDown(look.down);
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
  };
  const QImage want = grab(*reference);
  const QImage got = grab(*flat);
  ASSERT_EQ(got.size(), want.size());
  for (int y = 0; y < want.height(); ++y) {
    for (int x = 0; x < want.width(); ++x) {
      ASSERT_EQ(got.pixel(x, y), want.pixel(x, y)) << "at (" << x << ", " << y << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    States, FlatButtonLook,
    ::testing::Values(Look{"Red", QColor(255, 0, 0), false, false},
                      Look{"RedFocused", QColor(255, 0, 0), true, false},
                      Look{"RedPressed", QColor(255, 0, 0), false, true},
                      Look{"RedFocusedPressed", QColor(255, 0, 0), true, true},
                      Look{"DarkGreen", QColor(0, 100, 40), false, false},
                      Look{"PaleFocusedPressed", QColor(250, 240, 200), true, true}),
    [](const ::testing::TestParamInfo<Look>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drobi
