#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "core/random_source.hpp"

namespace drobi::testing {

// A seeded source whose draws are all m / 2^24 for a whole m, and which keeps each m it hands out,
// so that a table can be rebuilt from the draws in integer arithmetic: floor(R·N) is (m·N) >> 24.
// Now and then it lands on the places where an off-by-one would show: 0, the largest draw, and
// either side of a step of floor(R·100) or floor(R·N).
class RecordingRandom : public RandomSource {
 public:
  static constexpr std::uint32_t kOne = 1u << 24;

  explicit RecordingRandom(std::uint64_t seed) : engine_(seed) {}

  void Randomize() override { ++randomized_; }
  float Next() override {
    const std::uint32_t m = Pick();
    drawn_.push_back(m);
    // m < 2^24 fits a float's significand and the division is by a power of two: exact.
    return static_cast<float>(m) / static_cast<float>(kOne);
  }

  // The draws since the previous call, oldest first.
  std::vector<std::uint32_t> TakeDrawn() { return std::exchange(drawn_, {}); }
  int Randomized() const { return randomized_; }

 private:
  std::uint32_t Pick() {
    switch (engine_() % 16) {
      case 0:
        return 0;
      case 1:
        return kOne - 1;
      case 2:
      case 3: {
        // The first m with floor(m·scale / 2^24) = j, or the last one below it.
        static constexpr std::uint64_t kScales[] = {100, 10, 20, 50, 100, 200, 500, 1000};
        const std::uint64_t scale = kScales[engine_() % std::size(kScales)];
        const std::uint64_t j = 1 + engine_() % (scale - 1);
        const std::uint64_t first = (j * kOne + scale - 1) / scale;
        return static_cast<std::uint32_t>(first - engine_() % 2);
      }
      default:
        return static_cast<std::uint32_t>(engine_() % kOne);
    }
  }

  std::mt19937_64 engine_;
  std::vector<std::uint32_t> drawn_;
  int randomized_ = 0;
};

}  // namespace drobi::testing
