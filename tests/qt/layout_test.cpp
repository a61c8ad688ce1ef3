// The window as it opens, before Form_Load: places, texts and fonts, checked against the form's
// figures converted by hand (twips / 15). Colours and the tab order are shared scenarios.

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include "tests/qt/window_fixture.hpp"
#include "ui/qt/command_menu_bar.hpp"

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
  // The menu bar sits above the form's client area, which it leaves as it is.
  const int bar = window_->ClientArea()->y();
  EXPECT_EQ(window_->Menus()->geometry(), QRect(0, 0, 566, bar));
  EXPECT_GT(bar, 0);
  EXPECT_EQ(window_->ClientArea()->geometry(), QRect(0, bar, 566, 326));
  EXPECT_EQ(window_->size(), QSize(566, 326 + bar));
  EXPECT_EQ(window_->minimumSize(), QSize(566, 326 + bar));
  EXPECT_GT(window_->maximumSize().width(), 566 * 3);
  // The menus and entries of the command table, with their access keys and shortcuts.
  std::vector<std::string> shown, table;
  for (const QAction* menu : window_->Menus()->actions()) {
    shown.push_back(menu->text().toStdString());
    for (const QAction* entry : menu->menu()->actions()) {
      shown.push_back((entry->text() + u' ' + entry->shortcut().toString()).toStdString());
    }
  }
  for (const Menu& menu : MenuBar()) {
    table.push_back(menu.title);
    for (const Command& entry : menu.commands) {
      table.push_back(std::string(entry.title) + " " + ShortcutText(entry.shortcut));
    }
  }
  EXPECT_EQ(shown, table);
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

TEST_F(WindowTest, TextFieldsScrollVertically) {
  for (const char* name : {"Text1(0)", "Text1(1)"}) {
    QPlainTextEdit* text = Text(name);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
    EXPECT_TRUE(text->verticalScrollBar()->isVisible()) << name;
    EXPECT_FALSE(text->horizontalScrollBar()->isVisible()) << name;
  }
  // 22 lines in a field of 169 px: the description needs its scroll bar.
  EXPECT_GT(Text("Text1(0)")->verticalScrollBar()->maximum(), 0);
}

// The rest of the tab order is a shared scenario.
TEST_F(WindowTest, FocusStartsOnTheFirstControlInTabOrder) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  EXPECT_EQ(QApplication::focusWidget(), Find(*window_, "Spis(0)"));
}

}  // namespace
}  // namespace drobi::gui_testing
