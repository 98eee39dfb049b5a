#pragma once

#include <string>

#include "formats/hoard_record.h"

namespace vorneth::formats {

// Appends the hoard's JSON Lines record, byte for byte JsonText(HoardJson(record), -1), without
// building the JSON document first: a batch of many hoards spends its time writing, not
// allocating nodes.
void AppendHoardJsonLine(std::string& out, const HoardRecord& record);

// Appends gold pieces as a JSON number, byte for byte JsonText(GoldJson(value, exchange), -1).
void AppendGold(std::string& out, worth::Copper value, worth::Exchange exchange);

}  // namespace vorneth::formats
