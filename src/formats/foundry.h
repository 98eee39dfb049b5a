#pragma once

#include "formats/json_export.h"

namespace vorneth::formats {

// Which lists a journal entry holds: both, or one, so that the players' list can be imported
// into an entry of its own and shared whole.
enum class JournalLists { Both, DM, Players };

// A Foundry Virtual Tabletop journal entry for "Import Data": named by the caption (followed by
// ": DM's List" or ": Player's List" when it holds one list), with the DM page (owner only)
// and the players page (observers may see it), each with a stable _id and a sort, and the
// seed, request and version under flags.vorneth so that it can be rolled again.
Json FoundryJournal(const HoardRecord& record, JournalLists lists = JournalLists::Both);

// A hoard divided among a party: one journal entry with a DM page and a players page per share,
// named "Share k of K, worth X gp: DM's List" and "...: Player's List".
Json SplitJournal(const HoardRecord& record, const std::vector<HoardRecord>& shares,
                  JournalLists lists = JournalLists::Both);

// The lines as an HTML list, every character that HTML gives a meaning escaped; the further
// spell lines of a scroll (" plus ...") are a list inside the scroll's item.
std::string HtmlList(const LineList& lines);

}  // namespace vorneth::formats
