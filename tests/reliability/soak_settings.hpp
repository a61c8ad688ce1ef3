#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace drobi::testing {

// How long a soak runs. DROBI_SOAK_ACTIONS sets the number of actions (default 100 000; 1 000 000
// for the long run), DROBI_SOAK_SEED the first seed (default 1). The actions are cut into runs of
// at most kRunLength, each on a newly opened window with seeds counting up from the first, so a
// failure at seed s and action i is replayed with DROBI_SOAK_SEED=s DROBI_SOAK_ACTIONS=i+1.
struct SoakSettings {
  static constexpr std::int64_t kRunLength = 10'000;

  std::int64_t actions = 100'000;
  std::uint64_t first_seed = 1;

  static SoakSettings FromEnvironment(std::int64_t default_actions) {
    SoakSettings settings;
    settings.actions = default_actions;
    if (const char* actions = std::getenv("DROBI_SOAK_ACTIONS")) {
      settings.actions = std::stoll(actions);
    }
    if (const char* seed = std::getenv("DROBI_SOAK_SEED")) {
      settings.first_seed = std::stoull(seed);
    }
    return settings;
  }

  std::int64_t Runs() const { return (actions + kRunLength - 1) / kRunLength; }
  std::int64_t LengthOf(std::int64_t run) const {
    const std::int64_t left = actions - run * kRunLength;
    return left < kRunLength ? left : kRunLength;
  }
};

}  // namespace drobi::testing
