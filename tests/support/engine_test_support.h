#pragma once

// Helpers shared by the engine tests: sources set up to give wanted rolls, counting the values an
// operation draws, and finding an item table by name.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/generator.h"
#include "core/random_source.h"
#include "items/table.h"

namespace vorneth::testing {

// One roll a test wants: Roll(n) giving `result`.
struct Want {
  int n;
  int result;
};

// The first seed from which the next rolls give the wanted results, in order.
inline std::uint32_t SeedGiving(std::initializer_list<Want> wants) {
  for (std::uint32_t seed = 0; seed < 50'000'000u; ++seed) {
    RandomSource random(seed);
    bool all = true;
    for (const Want& want : wants) {
      if (random.Roll(want.n) != want.result) {
        all = false;
        break;
      }
    }
    if (all) {
      return seed;
    }
  }
  ADD_FAILURE() << "no seed gives the wanted rolls";
  return 0;
}

// A random source whose next Roll(n) gives `value`.
inline RandomSource SourceWhoseNextRollIs(int n, int value) {
  return RandomSource(SeedGiving({{n, value}}));
}

// The state of `start` after `steps` rolls.
inline RandomSource Advanced(RandomSource start, int steps) {
  for (int i = 0; i < steps; ++i) {
    start.Roll(1);
  }
  return start;
}

// How many values were drawn to bring `start` to where `after` stands, found by advancing a copy
// of `start` one roll at a time; -1 when it does not get there within 100 rolls.
inline int DrawsBetween(RandomSource start, const RandomSource& after) {
  for (int draws = 0; draws <= 100; ++draws) {
    if (start.Seed() == after.Seed()) {
      return draws;
    }
    start.Roll(1);
  }
  return -1;
}

using Operation = void (*)(Generator&);

struct Outcome {
  LineList lines;
  int draws;           // values taken from the random source
  RandomSource after;  // the source where the operation left it
};

// Runs `operation` on a source starting at `start`.
inline Outcome RunFrom(RandomSource start, Operation operation) {
  RandomSource random = start;
  Generator g(random, ",");
  operation(g);
  return {g.TakeLines(), DrawsBetween(start, random), random};
}

inline Outcome RunFrom(std::uint32_t seed, Operation operation) {
  return RunFrom(RandomSource(seed), operation);
}

// The one line of an outcome that must have exactly one.
inline std::string OnlyLine(const Outcome& outcome) {
  EXPECT_EQ(outcome.lines.size(), 1u);
  return outcome.lines.empty() ? std::string() : std::string(outcome.lines.front());
}

struct LineOutcome {
  std::string line;
  int draws;  // values taken from the random source
};

// Runs an operation that must add exactly one line.
inline LineOutcome RunOneLineFrom(std::uint32_t seed, Operation operation) {
  const Outcome outcome = RunFrom(seed, operation);
  return {OnlyLine(outcome), outcome.draws};
}

// The item table or sub-table of that name.
inline const items::Table& TableNamed(std::string_view name) {
  for (const items::Table* table : items::AllTables()) {
    if (table->name == name) {
      return *table;
    }
  }
  throw std::logic_error("no table " + std::string(name));
}

}  // namespace vorneth::testing
