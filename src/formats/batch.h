#pragma once

#include <cstdint>
#include <string>

#include "core/number_text.h"

namespace vorneth::formats {

// The most hoards of one batch: of --count, of the odds, and of an export rolled again.
inline constexpr std::uint32_t kMaxBatch = 1000000;

// Why an export of more hoards than kMaxBatch is not rolled again, after the file's name.
inline std::string TooManyHoards() {
  return "holds more than " + NumberText(kMaxBatch, ",") + " hoards, the most of a batch";
}

}  // namespace vorneth::formats
