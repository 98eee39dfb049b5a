#pragma once

#include <string>

#include "formats/hoard_record.h"

namespace vorneth::formats {

// RFC 4180 text: CR LF line ends, fields with a comma, quote or line break quoted, quotes
// doubled. The header row names the columns of CsvRows; a divided hoard's rows have a column
// "share" after "text".
std::string CsvHeader(bool shares = false);

// One row per line of both lists: hoard (from 1), seed, list ("dm" or "players"), line (from 1),
// kind, pieces (coins: their number), gp, text, for `share` > 0 the share (from 1), and last
// coin_weight_lb (a coins line's weight in pounds). Players rows leave kind, pieces, gp and
// coin_weight_lb empty.
std::string CsvRows(const HoardRecord& record, int hoardNumber, int share = 0);

}  // namespace vorneth::formats
