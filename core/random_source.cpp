#include "core/random_source.hpp"

#include <chrono>

namespace drobi {

void ClockRandomSource::Randomize() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
  engine_.seed(seed);
}

float ClockRandomSource::Next() {
  // 24 random bits are exactly what a float's significand holds, so the quotient is exact and
  // the largest draw is 1 - 2^-24, never 1 itself.
  constexpr float kScale = 1.0f / 16777216.0f;
  return static_cast<float>(engine_() >> 8) * kScale;
}

}  // namespace drobi
