#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/hoard_request.h"

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
// hoard or a batch). A text that is not such an export, whose request is out of range or that
// holds more than kMaxBatch hoards gives an error saying why, in one line.
ReplayResult ReadExport(std::string_view text);

// Reads the request of one line of a JSON Lines export; nullopt with the reason in `error` when
// the line is not a hoard of an export.
std::optional<RecordedRequest> ReadExportLine(std::string_view line, std::string& error);

// True when a line of a JSON Lines export holds nothing but blanks, and is skipped.
bool IsBlankExportLine(std::string_view line);

}  // namespace vorneth::formats
