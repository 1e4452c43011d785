#include "platform/random.h"

#include <cstring>

namespace sylvandra {

// splitmix64: small, fast and well distributed; the top 24 bits make the number.
double RandomSequence::Rnd() {
  state_ += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 40) / 16777216.0;
}

void RandomSequence::Randomize(double seed) {
  std::uint64_t bits = 0;
  const double normal = seed == 0.0 ? 0.0 : seed;  // -0 and 0 seed alike
  std::memcpy(&bits, &normal, sizeof bits);
  state_ = bits ^ 0x5DEECE66Dull;
}

}  // namespace sylvandra
