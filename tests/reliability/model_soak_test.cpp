// Drives the form with long seeded streams of random user actions and compares the whole form
// after every action with an oracle that works the expected state out on its own.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "core/runtime_error.hpp"
#include "tests/reliability/action_stream.hpp"
#include "tests/reliability/form_oracle.hpp"
#include "tests/reliability/recording_random.hpp"
#include "tests/reliability/soak_settings.hpp"
#include "tests/reliability/user_action.hpp"
#include "ui/main_form.hpp"

namespace drobi {
namespace {

using testing::ActionStream;
using testing::Describe;
using testing::FormOracle;
using testing::Perform;
using testing::RecordingRandom;
using testing::SoakSettings;
using testing::UserAction;

// Odd seeds run under a decimal comma with a blank as the group separator.
NumberStyle StyleFor(std::uint64_t seed) {
  if (seed % 2 == 0) return NumberStyle{};
  return NumberStyle{",", "\u00a0", 3, true, "-"};
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += "\n  " + line;
  return out;
}

// The first thing that went wrong in a run, with what it takes to replay it; empty if nothing.
std::string SoakRun(std::uint64_t seed, std::int64_t length) {
  // Index -1 is the start-up, which every replay goes through.
  const auto where = [seed](std::int64_t index, const std::string& what) {
    return "seed " + std::to_string(seed) + ", action " + std::to_string(index) + " (" + what +
           "); replay with DROBI_SOAK_SEED=" + std::to_string(seed) +
           " DROBI_SOAK_ACTIONS=" + std::to_string(index < 0 ? 1 : index + 1);
  };
  RecordingRandom random(seed * 0x9E3779B97F4A7C15ull);
  ActionStream actions(seed, /*page_keys=*/true);
  const NumberStyle style = StyleFor(seed);
  MainForm form(random, style);
  FormOracle oracle(style.decimal_separator, form.Text1[0].Text());

  std::string failure;
  const auto guarded = [&failure](auto&& step) {
    try {
      step();
      return true;
    } catch (const RuntimeError& e) {
      failure = "run-time error " + std::to_string(e.Number()) + " «" + e.what() + "»";
    } catch (const std::exception& e) {
      failure = std::string("exception «") + e.what() + "»";
    }
    return false;
  };

  if (!guarded([&] { form.Form_Load(); })) return where(-1, "Form_Load") + ": " + failure;
  oracle.Load(random.TakeDrawn());
  if (random.Randomized() != 1) return where(-1, "Form_Load") + ": the generator was not seeded";
  if (auto diff = oracle.Differences(form); !diff.empty()) {
    return where(-1, "Form_Load") + ":" + Joined(diff);
  }
  for (std::int64_t i = 0; i < length; ++i) {
    const UserAction action = actions.Next(form);
    if (!guarded([&] { Perform(form, action); })) {
      return where(i, Describe(action)) + ": " + failure;
    }
    oracle.Apply(action, random.TakeDrawn());
    if (auto diff = oracle.Differences(form); !diff.empty()) {
      return where(i, Describe(action)) + ":" + Joined(diff);
    }
  }
  if (random.Randomized() != 1) return where(length, "end") + ": the generator was seeded again";
  return {};
}

TEST(ModelSoak, RandomUserActionsAgreeWithTheOracleAfterEveryAction) {
  const auto settings = SoakSettings::FromEnvironment("DROBI_SOAK_ACTIONS", 100'000, 10'000);
  const auto start = std::chrono::steady_clock::now();
  int failed_runs = 0;
  for (std::int64_t run = 0; run < settings.Runs(); ++run) {
    const std::string failure = SoakRun(settings.SeedOf(run), settings.LengthOf(run));
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
