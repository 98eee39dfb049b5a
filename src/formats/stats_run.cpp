#include "formats/stats_run.h"

#include <algorithm>
#include <span>

namespace vorneth::formats {

StatsRun::StatsRun(const HoardRequest& request, std::uint32_t count, worth::Exchange exchange)
    : request_(request),
      count_(count),
      exchange_(exchange),
      treasure_(std::make_unique_for_overwrite<worth::Copper[]>(count)),
      total_(std::make_unique_for_overwrite<worth::Copper[]>(count)) {}

std::uint32_t StatsRun::Step(std::uint32_t hoards) {
  const std::uint32_t last = done_ + std::min(hoards, count_ - done_);
  sums_.Add(SumHoards(request_, exchange_, done_, last, std::span(treasure_.get(), count_),
                      std::span(total_.get(), count_)));
  done_ = last;
  return done_;
}

HoardStats StatsRun::Finish() {
  Step(count_ - done_);
  HoardStats stats;
  stats.count = count_;
  stats.exchange = exchange_;
  if (count_ == 0) {
    return stats;
  }
  stats.treasure = SpreadOf(std::span(treasure_.get(), count_), sums_.treasure, exchange_);
  stats.total = SpreadOf(std::span(total_.get(), count_), sums_.total, exchange_);
  SetShares(stats, sums_);
  return stats;
}

}  // namespace vorneth::formats
