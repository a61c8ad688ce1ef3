// A broken state that only a fault could bring about ends the real program in an orderly way:
// the user is told the error's number and text, and the program exits with status 1.

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <string>

#include "tests/support/broken_states.hpp"
#include "tests/support/scenario_name.hpp"

namespace drobi {
namespace {

using testing::kBrokenStates;

class BrokenState : public ::testing::TestWithParam<testing::BrokenState> {};

TEST_P(BrokenState, IsReportedAndEndsTheProgramWithStatusOne) {
  QProcess program;
  program.start(QStringLiteral(DROBI_BROKEN_STATE_PROGRAM),
                {QString::fromUtf8(GetParam().scenario)});
  ASSERT_TRUE(program.waitForStarted(10'000));
  const bool ended = program.waitForFinished(60'000);
  if (!ended) program.kill();
  const std::string out = program.readAllStandardOutput().toStdString();
  const std::string err = program.readAllStandardError().toStdString();
  SCOPED_TRACE("standard output:\n" + out + "standard error:\n" + err);

  ASSERT_TRUE(ended) << "the program hangs";
  ASSERT_EQ(program.exitStatus(), QProcess::NormalExit) << "the program crashed";
  EXPECT_EQ(program.exitCode(), 1);
  const std::size_t box = out.find("message box: ");
  ASSERT_NE(box, std::string::npos) << "the user was not told";
  const std::string told = out.substr(box, out.find('\n', box) - box);
  EXPECT_NE(told.find(" " + std::to_string(testing::kBrokenNumber)), std::string::npos) << told;
  EXPECT_NE(told.find(testing::kBrokenText), std::string::npos) << told;
  EXPECT_NE(out.find("event loop ended with 1"), std::string::npos);
  // Qt writes this when an exception leaves an event handler, and then aborts.
  EXPECT_EQ(err.find("Qt has caught an exception"), std::string::npos);
  // One report only: after the first failure no action reaches the form.
  EXPECT_EQ(out.find("message box: "), out.rfind("message box: "));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, BrokenState, ::testing::ValuesIn(kBrokenStates),
                         drobi::testing::ScenarioName());

}  // namespace
}  // namespace drobi
