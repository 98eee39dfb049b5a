#pragma once

#include "formats/json_export.h"

namespace vorneth::formats {

// A Foundry Virtual Tabletop journal entry for "Import Data": named by the caption, with the DM
// page (owner only) and the players page (observers may see it), and the seed, request and
// version under flags.vorneth so that it can be rolled again.
Json FoundryJournal(const HoardRecord& record);

// A hoard divided among a party: one journal entry with a DM page and a players page per share,
// named "Share k of K, worth X gp: DM's List" and "...: Player's List".
Json SplitJournal(const HoardRecord& record, const std::vector<HoardRecord>& shares);

// The lines as an HTML list, every character that HTML gives a meaning escaped.
std::string HtmlList(const std::vector<std::string>& lines);

}  // namespace vorneth::formats
