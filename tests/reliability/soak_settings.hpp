#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace drobi::testing {

// How long a soak runs: the number of actions from an environment variable of the test binary
// (DROBI_SOAK_ACTIONS for the form, DROBI_WIDGET_SOAK_ACTIONS for the window) and the first seed
// from DROBI_SOAK_SEED (default 1). The actions are cut into runs of at most `run_length`, each on
// a newly opened window, with seeds counting up from the first; so a failure at seed s and action
// i is replayed with DROBI_SOAK_SEED=s and i + 1 actions.
struct SoakSettings {
  std::int64_t actions = 0;
  std::int64_t run_length = 1;
  std::uint64_t first_seed = 1;

  static SoakSettings FromEnvironment(const char* actions_variable, std::int64_t default_actions,
                                      std::int64_t run_length) {
    SoakSettings settings;
    settings.actions = default_actions;
    settings.run_length = run_length;
    if (const char* actions = std::getenv(actions_variable)) settings.actions = std::stoll(actions);
    if (const char* seed = std::getenv("DROBI_SOAK_SEED")) settings.first_seed = std::stoull(seed);
    return settings;
  }

  std::int64_t Runs() const { return (actions + run_length - 1) / run_length; }
  std::uint64_t SeedOf(std::int64_t run) const {
    return first_seed + static_cast<std::uint64_t>(run);
  }
  std::uint64_t LastSeed() const { return SeedOf(Runs() - 1); }
  std::int64_t LengthOf(std::int64_t run) const {
    const std::int64_t left = actions - run * run_length;
    return left < run_length ? left : run_length;
  }
};

}  // namespace drobi::testing
