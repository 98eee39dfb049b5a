// Arbitrary bytes as an export to roll again. Besides memory and undefined-behaviour faults this
// checks what must hold for any input: the text is either refused in one line with no request,
// or every request it gives is within the limits the command line has, with a separator that
// may be one; each line read alone as JSON Lines is refused or read within the same limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/separator.h"
#include "formats/replay.h"

namespace {

using vorneth::formats::RecordedRequest;

void CheckRequest(const RecordedRequest& recorded) {
  const vorneth::HoardRequest& r = recorded.request;
  bool good = r.CustCoins >= 0 && r.CustCoins <= vorneth::kMaxCustCoins && r.CustGems >= 0 &&
              r.CustGems <= vorneth::kMaxCustGems && r.CustJewelry >= 0 &&
              r.CustJewelry <= vorneth::kMaxCustJewelry && r.CustMagic >= 0 &&
              r.CustMagic <= vorneth::kMaxCustMagic &&
              vorneth::SeparatorProblem(recorded.separator).empty();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    good = good && r.Count(letter) >= 0 && r.Count(letter) <= vorneth::kMaxTypeCount;
  }
  if (!good) {
    std::abort();
  }
}

void CheckError(const std::string& error) {
  if (error.empty() || error.find('\n') != std::string::npos) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const vorneth::formats::ReplayResult whole = vorneth::formats::ReadExport(text);
  if (whole.error.empty() == whole.requests.empty()) {
    std::abort();  // one or the other
  }
  if (!whole.error.empty()) {
    CheckError(whole.error);
  }
  for (const RecordedRequest& recorded : whole.requests) {
    CheckRequest(recorded);
  }
  std::string error;
  if (const auto line = vorneth::formats::ReadExportLine(text, error)) {
    CheckRequest(*line);
  } else {
    CheckError(error);
  }
  return 0;
}
