// Qt's Bulgarian texts wait until Qt is about to show one of its own, and are there by the time
// it does.

#include "ui/qt_texts_on_demand.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <functional>
#include <memory>

namespace drobi {
namespace {

bool CatalogueInstalled() {
  return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_bg.qm"));
}

bool Cyrillic(const QString& text) {
  static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  return text.contains(cyrillic);
}

struct Happening {
  const char* name;
  bool installs;
  std::function<void(QWidget& window)> happen;
};

void PrintTo(const Happening& happening, std::ostream* out) { *out << happening.name; }

class QtTextsTrigger : public ::testing::TestWithParam<Happening> {};

TEST_P(QtTextsTrigger, InstallsOnlyWhenQtIsAboutToShowItsOwn) {
  if (!CatalogueInstalled()) GTEST_SKIP() << "Qt's Bulgarian catalogue is not installed";
  QWidget window;
  // Destroyed first: its translator leaves the application with it, also on a failed assertion.
  QtTextsOnDemand texts(*QCoreApplication::instance());
  ASSERT_FALSE(texts.Installed());
  GetParam().happen(window);
  EXPECT_EQ(texts.Installed(), GetParam().installs);
}

INSTANTIATE_TEST_SUITE_P(
    Happenings, QtTextsTrigger,
    ::testing::Values(Happening{"ContextMenuAsked", true,
                                [](QWidget& window) {
                                  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1),
                                                          QPoint(1, 1));
                                  QCoreApplication::sendEvent(&window, &event);
                                }},
                      Happening{"ChildDialogMade", true,
                                [](QWidget& window) { QMessageBox box(&window); }},
                      Happening{"ControlAddedToTheWindow", false,
                                [](QWidget& window) { new QPushButton(&window); }},
                      Happening{"WindowShownAndResized", false,
                                [](QWidget& window) {
                                  window.resize(120, 80);
                                  window.show();
                                  QCoreApplication::processEvents();
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtTextsOnDemand, ErrorBoxShowsQtsButtonInBulgarian) {
  if (!CatalogueInstalled()) GTEST_SKIP() << "Qt's Bulgarian catalogue is not installed";
  QWidget window;
  QtTextsOnDemand texts(*QCoreApplication::instance());
  QMessageBox box(QMessageBox::Critical, QStringLiteral("drobi"), QStringLiteral("грешка"),
                  QMessageBox::Ok, &window);
  const QAbstractButton* ok = box.button(QMessageBox::Ok);
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(Cyrillic(ok->text())) << ok->text().toStdString();
}

TEST(QtTextsOnDemand, TextFieldMenuBuiltAfterTheRequestIsBulgarian) {
  if (!CatalogueInstalled()) GTEST_SKIP() << "Qt's Bulgarian catalogue is not installed";
  QtTextsOnDemand texts(*QCoreApplication::instance());
  QPlainTextEdit field;
  // The field's own handler would run the menu modally; an object that ignores the request lets
  // the test build the menu itself, as the handler does once the request has passed the filter.
  QObject bystander;
  QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
  QCoreApplication::sendEvent(&bystander, &request);
  ASSERT_TRUE(texts.Installed());
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  int bulgarian = 0;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator() && Cyrillic(action->text())) ++bulgarian;
  }
  EXPECT_GE(bulgarian, 5) << "of " << menu->actions().size() << " entries";
}

}  // namespace
}  // namespace drobi
