#pragma once

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/random_source.hpp"

namespace drobi::testing {

// Hands out the draws it was given, in order, and counts them. Running out is a test failure.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

  void Script(std::vector<float> draws) {
    draws_ = std::move(draws);
    next_ = 0;
  }
  void Randomize() override { ++randomized_; }
  float Next() override {
    if (next_ >= draws_.size()) throw std::logic_error("the scripted draws ran out");
    return draws_[next_++];
  }

  std::size_t Drawn() const { return next_; }
  int Randomized() const { return randomized_; }

 private:
  std::vector<float> draws_;
  std::size_t next_ = 0;
  int randomized_ = 0;
};

// An endless, reproducible stream: draw k is (k·stride mod 1000 + 0.5)/1000, so every part of
// [0, 1) comes up and tables differ from one call to the next.
class CountingRandom : public RandomSource {
 public:
  void Randomize() override { ++randomized_; }
  float Next() override {
    const auto k = static_cast<float>((count_++ * 389) % 1000);
    return (k + 0.5f) / 1000.0f;
  }
  long long Drawn() const { return count_; }
  int Randomized() const { return randomized_; }

 private:
  long long count_ = 0;
  int randomized_ = 0;
};

}  // namespace drobi::testing
