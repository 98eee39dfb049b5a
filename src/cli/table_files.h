#pragma once

#include <string>
#include <vector>

#include "tables/table.h"

namespace vorneth::cli {

// The most files of its folder that a table file's rows may bring in.
inline constexpr std::size_t kMostTableFiles = 100;

// A game master's table file, the files of its folder that its rows name, and their faults.
struct TableFiles {
  tables::TableSet set;
  std::vector<std::string> faults;  // of reading and of the check, one line each
  std::string unreadable;           // why a file could not be read at all; then nothing else
};

// Reads the file at `path` as the command line reads every file (a regular file of at most
// 16 MiB); then, for each "[[Name]]" that no table read so far answers, the file NAME.txt,
// NAME.csv or NAME.json of the same folder, the first that exists; and checks the tables.
TableFiles LoadTables(const std::string& path);

}  // namespace vorneth::cli
