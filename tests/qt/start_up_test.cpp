// Before the window: a display to open it on, and Qt's own texts in Bulgarian.

#include "ui/qt/start_up.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <map>
#include <memory>
#include <string>

namespace drobi {
namespace {

struct DisplayCase {
  const char* name;
  std::map<std::string, std::string> environment;
  bool missing;
};

void PrintTo(const DisplayCase& c, std::ostream* out) { *out << c.name; }

class DisplayCheck : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayCheck, FindsADisplayOrAPlatformChosenByHand) {
  const auto& environment = GetParam().environment;
  const bool missing = DisplayMissing([&environment](const char* name) -> const char* {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
  });
  EXPECT_EQ(missing, GetParam().missing);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DisplayCheck,
    ::testing::Values(
        DisplayCase{"Nothing", {}, true},
        DisplayCase{
            "AllEmpty", {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}, true},
        DisplayCase{"X", {{"DISPLAY", ":0"}}, false},
        DisplayCase{"Wayland", {{"WAYLAND_DISPLAY", "wayland-0"}}, false},
        DisplayCase{"Offscreen", {{"QT_QPA_PLATFORM", "offscreen"}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoDisplayCase {
  const char* name;
  const char* display;  // nullptr: unset
};

void PrintTo(const NoDisplayCase& c, std::ostream* out) { *out << c.name; }

class ProgramWithoutDisplay : public ::testing::TestWithParam<NoDisplayCase> {};

TEST_P(ProgramWithoutDisplay, SaysHowToGetOneAndExitsWithStatusOne) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QString::fromLatin1(name));
  }
  if (GetParam().display != nullptr) {
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(GetParam().display));
  }
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(DROBI_PROGRAM), {});
  ASSERT_TRUE(program.waitForFinished(30000));
  const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
  EXPECT_EQ(program.exitCode(), 1) << errors.toStdString();
  // Exactly one line of ours, whatever Qt said before it.
  EXPECT_EQ(errors.count(QStringLiteral("drobi: ")), 1) << errors.toStdString();
  EXPECT_TRUE(errors.contains(QStringLiteral("xvfb-run")) &&
              errors.contains(QStringLiteral("QT_QPA_PLATFORM=offscreen")))
      << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramWithoutDisplay,
                         ::testing::Values(NoDisplayCase{"NoneSet", nullptr},
                                           NoDisplayCase{"Unreachable", ":4091"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QtTexts, ContextMenuOfATextFieldIsBulgarian) {
  const QString catalogue =
      QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_bg.qm");
  if (!QFileInfo::exists(catalogue)) GTEST_SKIP() << "not installed: " << catalogue.toStdString();
  // Destroying the translator uninstalls it, also when an assertion fails.
  QTranslator translator;
  ASSERT_TRUE(InstallQtTexts(*QCoreApplication::instance(), translator));
  QPlainTextEdit field;
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  int bulgarian = 0;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator() && action->text().contains(cyrillic)) ++bulgarian;
  }
  EXPECT_GE(bulgarian, 5) << "of " << menu->actions().size() << " entries";
}

}  // namespace
}  // namespace drobi
