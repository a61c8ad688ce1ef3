#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/number_style.hpp"
#include "core/runtime_error.hpp"
#include "tests/reliability/action_stream.hpp"
#include "tests/reliability/form_oracle.hpp"
#include "tests/reliability/recording_random.hpp"
#include "tests/reliability/soak_settings.hpp"
#include "tests/reliability/user_action.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

// Odd seeds run under a decimal comma with a no-break space between groups.
inline NumberStyle SoakStyle(std::uint64_t seed) {
  if (seed % 2 == 0) return NumberStyle{};
  return NumberStyle{",", "\u00a0", 3, true, "-"};
}

// Opens the form with `load`, then does `length` actions from the stream with `perform`, and after
// each compares the form with the oracle and asks `more_differences` for anything else amiss.
// Returns the first failure with the seed and action index that replay it, or "" for none.
template <typename Load, typename Perform, typename MoreDifferences>
std::string RunAndCheck(std::uint64_t seed, std::int64_t length, MainForm& form,
                        RecordingRandom& random, ActionStream& actions, FormOracle& oracle,
                        Load load, Perform perform, MoreDifferences more_differences) {
  // Index -1 is the start-up, which every replay goes through.
  const auto where = [seed](std::int64_t index, const std::string& what) {
    return "seed " + std::to_string(seed) + ", action " + std::to_string(index) + " (" + what +
           "); replay with DROBI_SOAK_SEED=" + std::to_string(seed) + " and " +
           std::to_string(index < 0 ? 1 : index + 1) + " actions";
  };
  std::string error;
  const auto guarded = [&error](auto&& step) {
    try {
      step();
      return true;
    } catch (const RuntimeError& e) {
      error = "run-time error " + std::to_string(e.Number()) + " «" + e.what() + "»";
    } catch (const std::exception& e) {
      error = std::string("exception «") + e.what() + "»";
    }
    return false;
  };
  const auto differences = [&] {
    std::vector<std::string> found = oracle.Differences(form);
    for (std::string& more : more_differences()) found.push_back(std::move(more));
    if (random.Randomized() != 1) found.push_back("the generator was seeded more than once");
    std::string joined;
    for (const auto& line : found) joined += "\n  " + line;
    return joined;
  };

  if (!guarded(load)) return where(-1, "Form_Load") + ": " + error;
  oracle.Load(random.TakeDrawn());
  if (const std::string found = differences(); !found.empty()) {
    return where(-1, "Form_Load") + ":" + found;
  }
  for (std::int64_t i = 0; i < length; ++i) {
    UserAction action = actions.Next(form);  // `perform` may add what the window tells of it
    if (!guarded([&] { perform(action); })) return where(i, Describe(action)) + ": " + error;
    oracle.Apply(action, random.TakeDrawn());
    if (const std::string found = differences(); !found.empty()) {
      return where(i, Describe(action)) + ":" + found;
    }
  }
  return {};
}

// Runs every run of the settings with `run(seed, length)`, which returns a failure or "", fails
// the test with the first few failures, and prints what was run and how long it took.
template <typename Run>
void ExpectEveryRunPasses(const char* name, const SoakSettings& settings, Run run) {
  const auto start = std::chrono::steady_clock::now();
  int failed_runs = 0;
  for (std::int64_t i = 0; i < settings.Runs(); ++i) {
    const std::string failure = run(settings.SeedOf(i), settings.LengthOf(i));
    if (failure.empty()) continue;
    if (++failed_runs <= 5) ADD_FAILURE() << failure;
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%s: %lld actions, seeds %llu..%llu, %d failed runs, %.1f s\n", name,
              static_cast<long long>(settings.actions),
              static_cast<unsigned long long>(settings.first_seed),
              static_cast<unsigned long long>(settings.LastSeed()), failed_runs, seconds.count());
  EXPECT_EQ(failed_runs, 0);
}

}  // namespace drobi::testing
