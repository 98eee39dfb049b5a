#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/hoard_request.h"

namespace vorneth::formats {

// A request as an export recorded it, to be rolled again.
struct RecordedRequest {
  HoardRequest request;  // the seed included
  std::string separator;
};

struct ReplayResult {
  std::vector<RecordedRequest> requests;  // in the export's order
  std::string error;                      // empty when the text is a good export
};

// Reads the requests back from the text of a JSON, JSON Lines or Foundry journal export (one
// hoard or a batch). A text that is not such an export, or whose request is out of range, gives
// an error saying why, in one line.
ReplayResult ReadExport(std::string_view text);

}  // namespace vorneth::formats
