// The window as it opens, before Form_Load: places, texts, fonts, colours and tab order, checked
// against the form's figures converted by hand (twips / 15).

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "tests/qt/window_fixture.hpp"

namespace drobi::gui_testing {
namespace {

struct Place {
  const char* name;
  int x, y, width, height;  // pixels
  const char* text;         // caption, nullptr for lists and text fields
  const char* hover;
};

void PrintTo(const Place& place, std::ostream* out) { *out << place.name; }

const Place kPlaces[] = {
    {"Spis(0)", 160, 64, 73, 80, nullptr, "Числител"},
    {"Spis(1)", 240, 64, 73, 80, nullptr, "Знаменател"},
    {"Etiket(0)", 160, 40, 73, 25, "Делимо", ""},
    {"Etiket(1)", 240, 40, 73, 25, "Делител", ""},
    {"Text1(0)", 8, 152, 545, 169, nullptr, "Има ли въпроси?"},
    {"Spis(3)", 8, 64, 73, 80, nullptr, "Избор на интервал за числител/знаменател"},
    {"Command1", 480, 0, 73, 25, "Чисти", "Изчиства генерираните числа"},
    {"Etiket(3)", 8, 40, 73, 25, "Интервал", ""},
    {"Etiket(8)", 104, 0, 345, 25, nullptr, ""},
    {"Spis(2)", 320, 64, 113, 80, nullptr, "Десетична дроб"},
    {"Etiket(2)", 320, 40, 113, 25, "Частно", ""},
    {"Spis(4)", 88, 64, 65, 80, nullptr, "Брой цифри (0..7) на десетичната дроб"},
    {"Etiket(4)", 88, 40, 65, 25, "Брой цифри", ""},
    {"Spis(5)", 440, 64, 49, 80, nullptr, "Брой цифри (10..90) на десетичната дроб - дълго число"},
    {"Dylgo", 496, 64, 57, 80, nullptr, "На всеки следващ ред е поредната цифра"},
    {"Etiket(5)", 440, 40, 113, 25, "дълго число", ""},
    {"Text1(1)", 32, 280, 545, 97, nullptr, ""},
    {"Label1", 0, 0, 9, 9, "", "Великденско яйце"},
};

class ControlPlace : public WindowTest, public ::testing::WithParamInterface<Place> {};

TEST_P(ControlPlace, SitsWhereTheFormPutsItWithItsTexts) {
  const Place& place = GetParam();
  QWidget* widget = Find(*window_, place.name);
  ASSERT_NE(widget, nullptr);
  const QRect geometry = widget->geometry();
  EXPECT_NEAR(geometry.x(), place.x, 1);
  EXPECT_NEAR(geometry.y(), place.y, 1);
  EXPECT_NEAR(geometry.width(), place.width, 1);
  EXPECT_NEAR(geometry.height(), place.height, 1);
  EXPECT_EQ(widget->toolTip().toStdString(), place.hover);
  EXPECT_EQ(QFontInfo(widget->font()).pointSize(), std::string(place.name) == "Etiket(4)" ? 9 : 12);
  if (place.text == nullptr) return;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    EXPECT_EQ(label->text().toStdString(), place.text);
    if (*place.text != '\0') {
      EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    }
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    EXPECT_EQ(button->text().toStdString(), place.text);
  } else {
    ADD_FAILURE() << place.name << " shows no caption";
  }
}

INSTANTIATE_TEST_SUITE_P(EveryControl, ControlPlace, ::testing::ValuesIn(kPlaces),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           std::erase(name, '(');
                           std::erase(name, ')');
                           return name;
                         });

TEST_F(WindowTest, WindowOpensAt100PercentWithCaptionIconAndTitle) {
  EXPECT_EQ(window_->size(), QSize(566, 326));
  EXPECT_EQ(window_->minimumSize(), QSize(566, 326));
  EXPECT_GT(window_->maximumSize().width(), 566 * 3);
  const QString caption = window_->windowTitle();
  EXPECT_TRUE(caption.startsWith(QStringLiteral("drobi  ")) && caption[7] != u' ')
      << caption.toStdString();
  for (const char* word : {"ирационални", "рационални", "дроби", "дълги числа"}) {
    EXPECT_TRUE(caption.contains(QString::fromUtf8(word), Qt::CaseInsensitive)) << word;
  }
  EXPECT_FALSE(caption.contains(QStringLiteral("www")) || caption.contains(QStringLiteral("http")));
  EXPECT_EQ(window_->windowIcon().pixmap(32, 32).size(), QSize(32, 32));

  const QString title = Find<QLabel>(*window_, "Etiket(8)")->text();
  for (const char* word : {"информатика", "дълги числа", "дроби"}) {
    EXPECT_TRUE(title.contains(QString::fromUtf8(word), Qt::CaseInsensitive)) << word;
  }
  // The title must fit its one line: the label is as high as one line of the 12 pt font.
  const QLabel* label = Find<QLabel>(*window_, "Etiket(8)");
  EXPECT_LE(label->fontMetrics().horizontalAdvance(title), label->width());
  EXPECT_LE(label->fontMetrics().height(), label->height());
}

TEST_F(WindowTest, ListsHoldTheirPresetsAndNothingIsSelectedBeforeLoad) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> lists{
      {"Spis(0)", {}},
      {"Spis(1)", {}},
      {"Spis(2)", {}},
      {"Spis(3)", {"10", "20", "50", "100", "200", "500", "1000"}},
      {"Spis(4)", {"0", "1", "2", "3", "4", "5", "6", "7"}},
      {"Spis(5)", {"10", "20", "30", "40", "50", "60", "70", "80", "90"}},
      {"Dylgo", {}},
  };
  for (const auto& [name, rows] : lists) {
    ListView* view = List(name);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ShownRows(view), rows) << name;
    EXPECT_EQ(ShownSelection(view), -1) << name;
  }
}

TEST_F(WindowTest, TextFieldsShowTheDescriptionAndScrollVertically) {
  EXPECT_EQ(Text("Text1(0)")->toPlainText().toStdString(), std::string(DescriptionText()));
  EXPECT_TRUE(Text("Text1(1)")->toPlainText().isEmpty());
  for (const char* name : {"Text1(0)", "Text1(1)"}) {
    QPlainTextEdit* text = Text(name);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
    EXPECT_TRUE(text->verticalScrollBar()->isVisible()) << name;
    EXPECT_FALSE(text->horizontalScrollBar()->isVisible()) << name;
  }
  // 22 lines in a field of 169 px: the description needs its scroll bar.
  EXPECT_GT(Text("Text1(0)")->verticalScrollBar()->maximum(), 0);
}

TEST_F(WindowTest, ColoursAsTheFormStoresThem) {
  struct Sample {
    const char* where;
    QPoint point;
    QColor colour;
  };
  const QColor caption(255, 192, 128);
  const Sample samples[] = {
      {"window", {460, 12}, QColor(192, 192, 255)},
      {"window below the lists", {300, 148}, QColor(192, 192, 255)},
      {"Command1", {484, 12}, QColor(255, 0, 0)},
      {"Label1", {4, 4}, QColor(0, 192, 0)},
      {"Etiket(5)", {442, 62}, QColor(192, 192, 0)},
      {"Etiket(0)", {162, 62}, caption},
      {"Etiket(1)", {242, 62}, caption},
      {"Etiket(2)", {322, 62}, caption},
      {"Etiket(3)", {10, 62}, caption},
      {"Etiket(4)", {90, 62}, caption},
      {"Etiket(8)", {106, 22}, caption},
  };
  const QImage image = window_->grab().toImage();
  const qreal scale = image.width() / qreal(window_->width());
  for (const Sample& sample : samples) {
    const QColor seen = image.pixelColor((QPointF(sample.point) * scale).toPoint());
    EXPECT_NEAR(seen.red(), sample.colour.red(), 2) << sample.where;
    EXPECT_NEAR(seen.green(), sample.colour.green(), 2) << sample.where;
    EXPECT_NEAR(seen.blue(), sample.colour.blue(), 2) << sample.where;
  }
}

TEST_F(WindowTest, TabVisitsTheControlsInTheFormsOrder) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  EXPECT_EQ(QApplication::focusWidget(), Find(*window_, "Spis(0)")) << "first in tab order";
  Find(*window_, "Spis(0)")->setFocus(Qt::TabFocusReason);
  const std::vector<std::string> expected{"Spis(1)", "Text1(0)", "Spis(3)", "Command1", "Spis(2)",
                                          "Spis(4)", "Spis(5)",  "Dylgo",   "Text1(1)", "Spis(0)"};
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace drobi::gui_testing
