#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/hoard_request.h"
#include "core/line_origin.h"
#include "core/random_source.h"
#include "tables/draw.h"
#include "tables/table.h"

namespace vorneth::tables {

// A game master's tables that replace a family's: the set read from a file, checked without
// fault, and the table of it that a draw starts from.
struct FamilyTables {
  Family family = Family::None;
  std::string file;  // the file's name without its folder, as exports name it
  TableSet set;
  std::size_t top = 0;
};

// An item drawn for a hoard from a game master's table.
struct TableItem {
  std::string line;        // the DM's line, its row's value after it as "(N gp)"
  std::string players;     // the players' text its row gives; empty when it gives none
  std::string_view table;  // the name of the table drawn from
};

// The game master's tables a hoard draws from in place of the built-in ones of their families.
class HoardTables {
 public:
  // Uses `tables` for its family, in place of any used before.
  void Use(FamilyTables tables);
  // The family's built-in tables again.
  void Drop(Family family) { byFamily_[Index(family)].reset(); }

  bool Has(Family family) const { return byFamily_[Index(family)] != nullptr; }
  bool empty() const;

  // What a request records of them: each family's file, in the families' order.
  std::vector<TableChoice> Choices() const;

  // One draw from the tables of `family`, which Has.
  TableItem Draw(Family family, RandomSource& random) const;

 private:
  struct InUse {
    explicit InUse(FamilyTables given) : tables(std::move(given)), draws(tables.set) {}
    FamilyTables tables;
    TableDraws draws;  // reads `tables.set`, so an InUse stays where it was made
  };
  static std::size_t Index(Family family) { return static_cast<std::size_t>(family); }

  std::array<std::unique_ptr<const InUse>, kFamilyCount + 1> byFamily_;
};

// The seed of the random source that a hoard of `seed` draws its game master's tables from:
// a source of their own, so that the hoard's own rolls stay the rolls it makes without them.
constexpr std::uint32_t TableSeed(std::uint32_t seed) {
  return seed ^ 0x9E3779B9u;
}

}  // namespace vorneth::tables
