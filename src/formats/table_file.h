#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tables/table.h"

namespace vorneth::formats {

// A file of a game master's tables as the reader sees it.
struct TableSource {
  std::string shown;      // the file as messages name it
  std::string stem;       // its name without folder and extension: a table it leaves unnamed
  std::string extension;  // in lower case: ".json", ".csv" or ".txt" decide the shape
};

// The source of the file at `path`, which messages call `shown`.
TableSource SourceOf(std::string_view path, std::string shown);

// Reads the tables of a file onto the end of `set`, whatever its shape: Foundry VTT RollTable
// JSON (a table, an array of tables, or a compendium of one document a line), CSV whose first
// column is the range, or text rows ("01-05 Potion of Healing (400 gp)"). The extension decides,
// and for another the text: JSON when it opens with { or [, CSV when its first row has a comma
// after its range, text rows otherwise. What keeps the file, a table or a row from being read
// is one line each in `faults`, naming the file and, where it can, the table and the row.
void ReadTableFile(const TableSource& source, std::string_view text, tables::TableSet& set,
                   std::vector<std::string>& faults);

}  // namespace vorneth::formats
