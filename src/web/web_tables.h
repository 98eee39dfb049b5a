#pragma once

// The game master's tables of the browser module: the files the page hands in are read and
// checked as `vorneth-cli --check-table` checks them, drawn from as `--roll-table` draws, and
// used for a family of the hoards as `--table FAMILY=FILE` uses them.

#include <cstdint>
#include <string>
#include <vector>

#include "tables/hoard_tables.h"

namespace vorneth::web {

// The tables the hoards draw from in place of the built-in ones; empty when none is used.
const tables::HoardTables& TablesInUse();

// What `--check-table` writes for the files read since the last clear: each fault, or else a
// line for each table.
std::string TableCheckText();

// The draws of the last vorneth_table_roll, a line each.
std::string TableDrawsText();

// Tables as the page names them, "potions=potions.csv" a line.
std::string TableChoicesText(const std::vector<TableChoice>& choices);

}  // namespace vorneth::web
