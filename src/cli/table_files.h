#pragma once

#include <string>
#include <vector>

#include "cli/file_problem.h"
#include "core/hoard_request.h"
#include "tables/hoard_tables.h"
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

// The tables of a file for draws: any fault refuses the file (exit 2, its first fault and how
// many more); a file that cannot be read, exit 1.
FileProblem LoadChecked(const std::string& path, TableFiles& files);

// Each game master's table of `choices` (file paths as given), read and checked, in `into`.
FileProblem LoadHoardTables(const std::vector<TableChoice>& choices, tables::HoardTables& into);

}  // namespace vorneth::cli
