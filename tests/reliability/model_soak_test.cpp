// Drives the form with long seeded streams of random user actions and compares the whole form
// after every action with an oracle that works the expected state out on its own.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/reliability/action_stream.hpp"
#include "tests/reliability/form_oracle.hpp"
#include "tests/reliability/recording_random.hpp"
#include "tests/reliability/soak_run.hpp"
#include "tests/reliability/soak_settings.hpp"
#include "tests/reliability/user_action.hpp"
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
  return testing::RunAndCheck(
      seed, length, form, random, actions, oracle, [&form] { form.Form_Load(); },
      [&form](const UserAction& action) { testing::Perform(form, action); },
      [] { return std::vector<std::string>{}; });
}

TEST(ModelSoak, RandomUserActionsAgreeWithTheOracleAfterEveryAction) {
  const auto settings = SoakSettings::FromEnvironment("DROBI_SOAK_ACTIONS", 100'000, 10'000);
  const auto start = std::chrono::steady_clock::now();
  int failed_runs = 0;
  for (std::int64_t run = 0; run < settings.Runs(); ++run) {
    const std::string failure = ModelSoakRun(settings.SeedOf(run), settings.LengthOf(run));
    if (failure.empty()) continue;
    if (++failed_runs <= 5) ADD_FAILURE() << failure;
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("model soak: %lld actions, seeds %llu..%llu, %d failed runs, %.1f s\n",
              static_cast<long long>(settings.actions),
              static_cast<unsigned long long>(settings.first_seed),
              static_cast<unsigned long long>(settings.LastSeed()), failed_runs, seconds.count());
  EXPECT_EQ(failed_runs, 0);
}

}  // namespace
}  // namespace drobi
