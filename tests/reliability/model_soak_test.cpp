// Drives the form with long seeded streams of random user actions and compares the whole form
// after every action with an oracle that works the expected state out on its own.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/reliability/action_stream.hpp"
#include "tests/reliability/form_oracle.hpp"
#include "tests/reliability/recording_random.hpp"
#include "tests/reliability/soak_run.hpp"
#include "tests/reliability/soak_settings.hpp"
#include "tests/reliability/user_action.hpp"
#include "tests/support/form_driver.hpp"
#include "ui/main_form.hpp"

namespace drobi {
namespace {

using testing::ActionStream;
using testing::FormOracle;
using testing::RecordingRandom;
using testing::SoakSettings;
using testing::SoakStyle;
using testing::UserAction;

std::string ModelSoakRun(std::uint64_t seed, std::int64_t length) {
  RecordingRandom random(seed * 0x9E3779B97F4A7C15ull);
  ActionStream actions(seed, /*page_keys=*/true);
  const NumberStyle style = SoakStyle(seed);
  MainForm form(random, style);
  FormOracle oracle(style.decimal_separator, form.Text1[0].Text());
  testing::FormDriver driver(form);
  return testing::RunAndCheck(
      seed, length, form, random, actions, oracle, [&form] { form.Form_Load(); },
      [&driver](const UserAction& action) { testing::Perform(driver, action); },
      [] { return std::vector<std::string>{}; });
}

TEST(ModelSoak, RandomUserActionsAgreeWithTheOracleAfterEveryAction) {
  testing::ExpectEveryRunPasses(
      "model soak", SoakSettings::FromEnvironment("DROBI_SOAK_ACTIONS", 100'000, 10'000),
      ModelSoakRun);
}

}  // namespace
}  // namespace drobi
