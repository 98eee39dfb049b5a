#pragma once

#include <cstdint>
#include <memory>

#include "core/hoard_request.h"
#include "formats/stats.h"
#include "formats/stats_sums.h"
#include "worth/worth.h"

namespace vorneth::formats {

// The odds of a request made a step at a time on the calling thread, for a caller that reports
// progress or gives up between steps (a browser's worker). Finish gives the figures ComputeStats
// gives for the same request, count and exchange.
class StatsRun {
 public:
  StatsRun(const HoardRequest& request, std::uint32_t count,
           worth::Exchange exchange = worth::Exchange::FirstEdition);

  // Generates and values up to `hoards` more of the hoards; returns how many are done so far.
  std::uint32_t Step(std::uint32_t hoards);

  std::uint32_t Done() const { return done_; }
  std::uint32_t Count() const { return count_; }

  // Does what is left, then the figures of all the hoards.
  HoardStats Finish();

 private:
  HoardRequest request_;
  std::uint32_t count_;
  worth::Exchange exchange_;
  std::uint32_t done_ = 0;
  StatsSums sums_;
  std::unique_ptr<worth::Copper[]> treasure_;  // each hoard's worth, by index
  std::unique_ptr<worth::Copper[]> total_;
};

}  // namespace vorneth::formats
