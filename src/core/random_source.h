#pragma once

#include <cstdint>

namespace vorneth {

// The one seeded generator every roll of a hoard comes from. A linear congruential step
// (multiplier 134775813, increment 1, modulo 2^32) whose result is taken from the high bits
// of n * seed, so one seed always gives the same sequence of rolls, bit for bit.
class RandomSource {
 public:
  explicit RandomSource(std::uint32_t seed = 0) : seed_(seed) {}

  void SetSeed(std::uint32_t seed) { seed_ = seed; }
  // Seeds from the time of day: the caller passes the milliseconds since midnight UTC, so the
  // engine itself never reads the clock.
  void SeedFromClock(std::uint32_t millisecondsSinceMidnightUtc) {
    seed_ = millisecondsSinceMidnightUtc;
  }
  std::uint32_t Seed() const { return seed_; }

  // Advances the seed once and returns a value from 0 to n - 1 (n must be at least 1).
  int Roll(int n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * seed_) >>
                            32);
  }

  // True with chance p/101: one Roll(101) below p.
  bool PercentRoll(int p) { return Roll(101) < p; }

 private:
  std::uint32_t seed_;
};

}  // namespace vorneth
