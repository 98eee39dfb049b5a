#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/hoard_record.h"

namespace vorneth::formats {

// A line as Markdown text that renders as written, on one line: metacharacters (HTML's among
// them) escaped, a line break (CR or LF) written as a blank, a leading or trailing blank
// written as "&#32;" so that no editor strips it.
std::string MarkdownText(std::string_view line);

// "# " caption, then "## DM's List" and "## Player's List" as bullet lists, then "## Worth" as
// a small table; the seed and the whole request in an HTML comment, so the hoard can be rolled
// again from the note.
std::string Markdown(const HoardRecord& record);

// A hoard divided among a party: the caption and the request as above, then for each share a
// "## " heading with its worth over "### DM's List" and "### Player's List".
std::string SplitMarkdown(const HoardRecord& record, const std::vector<HoardRecord>& shares);

}  // namespace vorneth::formats
