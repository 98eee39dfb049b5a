#pragma once

#include "formats/json_export.h"

namespace vorneth::formats {

// A Foundry Virtual Tabletop journal entry for "Import Data": named by the caption, with the DM
// page (owner only) and the players page (observers may see it), and the seed, request and
// version under flags.vorneth so that it can be rolled again.
Json FoundryJournal(const HoardRecord& record);

// The lines as an HTML list, every character that HTML gives a meaning escaped.
std::string HtmlList(const std::vector<std::string>& lines);

}  // namespace vorneth::formats
