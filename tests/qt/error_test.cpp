// An error that escapes a handler: reported with its number and text, and the program ends with
// a non-zero status; the event loop never sees the exception.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

#include "core/runtime_error.hpp"
#include "tests/qt/window_fixture.hpp"
#include "ui/qt/error_edge.hpp"

namespace drobi::gui_testing {
namespace {

struct Thrown {
  const char* name;
  std::exception_ptr error;
  int number;
  const char* text;
};

void PrintTo(const Thrown& c, std::ostream* out) { *out << c.name; }

class DescribedError : public ::testing::TestWithParam<Thrown> {};

TEST_P(DescribedError, KeepsNumberAndText) {
  const ErrorReport report = DescribeError(GetParam().error);
  EXPECT_EQ(report.number, GetParam().number);
  EXPECT_EQ(report.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DescribedError,
    ::testing::Values(
        Thrown{"RuntimeError", std::make_exception_ptr(RuntimeError(6, "Overflow")), 6, "Overflow"},
        Thrown{"StdException", std::make_exception_ptr(std::logic_error("broken")), 0, "broken"},
        Thrown{"Anything", std::make_exception_ptr(42), 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Draws the start-up tables, then fails the next draw the way a numeric operation does.
class FailingRandom : public RandomSource {
 public:
  void Randomize() override {}
  float Next() override {
    if (draws_.Drawn() == 128) throw RuntimeError(6, "Overflow");
    return draws_.Next();
  }

 private:
  testing::ScriptedRandom draws_{StartDraws()};
};

class FailingHandler : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetTrace([this](std::string_view name) { trace_.emplace_back(name); });
    form_.Form_Load();
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  // A click on interval "50" generates a new table, whose first draw fails.
  void ClickInterval() {
    auto* view = Find<ListView>(window_, "Spis(3)");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, RowRect(*view, 2).center());
  }

  std::vector<std::string> trace_;
  FailingRandom random_;
  MainForm form_{random_};
  MainWindow window_{form_};
};

TEST_F(FailingHandler, IsReportedOnceAndEndsTheProgram) {
  std::vector<ErrorReport> reports;
  std::vector<int> endings;
  window_.SetErrorReporter([&reports](const ErrorReport& report) { reports.push_back(report); });
  window_.SetErrorEnding([&endings](int status) { endings.push_back(status); });
  ClickInterval();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].number, 6);
  EXPECT_EQ(reports[0].text, "Overflow");
  EXPECT_EQ(endings, (std::vector<int>{1}));
  // The form may be half written now: no further action reaches it.
  trace_.clear();
  ClickInterval();
  QTest::mouseClick(Find(window_, "Command1"), Qt::LeftButton);
  EXPECT_TRUE(trace_.empty());
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(FailingHandler, ShowsAMessageBoxAndTheEventLoopEndsWithStatusOne) {
  QString shown;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, &answer, [&shown] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  answer.start(20);
  QTimer::singleShot(0, &window_, [this] { ClickInterval(); });
  // Should the program not end, this ends the loop with a status the test rejects.
  QTimer::singleShot(10000, &window_, [] { QCoreApplication::exit(99); });
  const int status = QApplication::exec();
  EXPECT_EQ(status, ErrorEdge::kExitStatus);
  EXPECT_TRUE(shown.contains(QStringLiteral("6")) && shown.contains(QStringLiteral("Overflow")))
      << shown.toStdString();
  EXPECT_TRUE(window_.Failed());
}

}  // namespace
}  // namespace drobi::gui_testing
