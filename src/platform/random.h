// The program-wide uniform random sequence. Each number is a multiple of 2^-24 in [0, 1), so it
// is exact in single precision. Seeding with the same value repeats the same sequence, and the
// sequence at start-up is always the same, so runs can be reproduced.
#pragma once

#include <cstdint>

namespace sylvandra {

class RandomSequence {
 public:
  RandomSequence() { Randomize(0); }
  double Rnd();
  void Randomize(double seed);

 private:
  std::uint64_t state_ = 0;
};

}  // namespace sylvandra
