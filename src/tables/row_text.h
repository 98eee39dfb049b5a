#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table.h"

namespace vorneth::tables {

// The most gold pieces a row may be worth: fifteen digits.
inline constexpr std::int64_t kMostGp = 999999999999999;

// A text as a row or a name holds it: each control character a blank, each run of blanks one,
// none at either end, and any byte that is not UTF-8 U+FFFD. A line of a table is one line.
std::string CleanText(std::string_view text);

// At most 60 characters of `text` cleaned as CleanText cleans it, "..." after them when it is
// longer: user text in a one-line message.
std::string Shown(std::string_view text);

// "1,000", "1000" or "1,000 gp" (blanks around ignored): whole gold pieces from 0 to kMostGp,
// commas only between groups of three digits. Nothing otherwise.
std::optional<std::int64_t> ReadGp(std::string_view text);

// The gold pieces of a text that ends in "(N gp)", as the item lines of the hoards do.
std::optional<std::int64_t> TrailingValue(std::string_view text);

// The "[[Name]]" marks of a text, in order. A mark whose name begins with "/" or is a dice
// expression ("[[1d6+2]]", "[[/r 2d4]]": a Foundry inline roll) is left as text.
std::vector<Reference> FindReferences(std::string_view text);

// A row of the faces lo to hi with the text cleaned, its marks and its trailing value.
Row TextRow(int lo, int hi, std::string_view text);

}  // namespace vorneth::tables
