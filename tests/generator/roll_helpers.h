#pragma once

#include "generator/random_source.h"

namespace vorneth::testing {

// A random source whose next Roll(n) gives `value`: found by stepping from seed 0.
inline RandomSource SourceWhoseNextRollIs(int n, int value) {
  RandomSource probe(0);
  for (;;) {
    RandomSource copy = probe;
    if (copy.Roll(n) == value) {
      return probe;
    }
    probe.SetSeed(probe.Seed() + 1);
  }
}

// The state of `start` after `steps` rolls.
inline RandomSource Advanced(RandomSource start, int steps) {
  for (int i = 0; i < steps; ++i) {
    start.Roll(1);
  }
  return start;
}

}  // namespace vorneth::testing
