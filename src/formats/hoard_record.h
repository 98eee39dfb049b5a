#pragma once

#include <string>
#include <string_view>

#include "core/hoard_request.h"
#include "generator/assembly.h"
#include "tables/hoard_tables.h"
#include "worth/worth.h"

namespace vorneth::formats {

// One hoard with all that went into it and all that is read from it: what every export writes.
struct HoardRecord {
  HoardRequest request;   // the seed included
  std::string separator;  // between thousands of amounts
  Hoard hoard;
  worth::Valuation dm;  // the DM list's worth, line by line
};

// Generates the hoard of `request` (from its seed) and values its DM list.
HoardRecord MakeRecord(const HoardRequest& request, std::string separator,
                       worth::Exchange exchange = worth::Exchange::FirstEdition);

// The same record written into `record`, whose lists keep their storage from one hoard to the
// next: for callers that make many records in a row. With `tables`, the items of their families
// come from them; the record's request names the tables used, and none without.
void MakeRecord(const HoardRequest& request, std::string_view separator, worth::Exchange exchange,
                HoardRecord& record, const tables::HoardTables* tables = nullptr);

// A record of a hoard already made (the desktop's, perhaps edited since): only values it.
HoardRecord RecordOf(const HoardRequest& request, std::string separator, Hoard hoard,
                     worth::Exchange exchange = worth::Exchange::FirstEdition);

}  // namespace vorneth::formats
