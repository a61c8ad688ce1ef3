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

  const std::vector<float>& Draws() const { return draws_; }
  std::size_t Drawn() const { return next_; }
  int Randomized() const { return randomized_; }

 private:
  std::vector<float> draws_;
  std::size_t next_ = 0;
  int randomized_ = 0;
};

using Fraction = std::pair<long long, long long>;

// The four draws of each row (sign, numerator, multiplier, denominator base) that make the
// generator produce `table` from interval n: q = 1 + y·m with the first multiplier m that fits.
inline std::vector<float> DrawsFor(const std::vector<Fraction>& table, int n) {
  std::vector<float> draws;
  const auto cell = [n](long long value) {
    return (static_cast<float>(value) + 0.5f) / static_cast<float>(n);
  };
  for (const auto& [p, q] : table) {
    long long m = 1;
    while ((q - 1) % m != 0 || (q - 1) / m >= n) ++m;
    // floor(R·100) mod 5 is 0 for a negative numerator, and the multiplier itself.
    draws.push_back(p < 0 ? 0.005f : 0.015f);
    draws.push_back(cell(p < 0 ? -p : p));
    draws.push_back((static_cast<float>(m) + 0.5f) / 100.0f);
    draws.push_back(cell((q - 1) / m));
  }
  return draws;
}

// Form_Load generates two tables with interval 20; the second one, `shown`, stays.
inline std::vector<float> StartDrawsFor(const std::vector<Fraction>& shown) {
  std::vector<float> draws = DrawsFor(std::vector<Fraction>(16, Fraction{1, 2}), 20);
  const std::vector<float> second = DrawsFor(shown, 20);
  draws.insert(draws.end(), second.begin(), second.end());
  return draws;
}

// The table that Form_Load leaves on screen in the window tests (interval 20): a period of six
// from row 0, the negative -3/7 in row 1, a whole number, a zero, a denominator that needs the
// multiplier.
inline const std::vector<Fraction> kStartTable{
    {1, 7},   {-3, 7}, {5, 1},  {0, 9},   {19, 16}, {-7, 12},  {2, 9},  {13, 17},
    {11, 14}, {-1, 6}, {4, 11}, {17, 19}, {9, 8},   {-18, 13}, {6, 61}, {15, 2}};

inline std::vector<float> StartDraws() { return StartDrawsFor(kStartTable); }

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
