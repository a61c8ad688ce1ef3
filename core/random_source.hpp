#pragma once

#include <cstdint>
#include <random>

namespace drobi {

// Where the fraction table's draws come from. Tests script it; the program seeds it from the clock.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Randomize() = 0;
  // The next draw R, 0 <= R < 1.
  virtual float Next() = 0;
};

class ClockRandomSource : public RandomSource {
 public:
  void Randomize() override;
  float Next() override;

 private:
  std::mt19937 engine_{0x5eed};
};

}  // namespace drobi
