#pragma once

#include <string>

#include "formats/hoard_record.h"

namespace vorneth::formats {

// RFC 4180 text: CR LF line ends, fields with a comma, quote or line break quoted, quotes
// doubled. The header row names the columns of CsvRows.
std::string CsvHeader();

// One row per line of both lists: hoard (from 1), seed, list ("dm" or "players"), line (from 1),
// kind, pieces (coins: their number), gp, text. Players rows leave kind, pieces and gp empty.
std::string CsvRows(const HoardRecord& record, int hoardNumber);

}  // namespace vorneth::formats
