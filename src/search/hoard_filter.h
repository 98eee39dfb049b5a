#pragma once

#include <cstdint>

#include "core/hoard_request.h"
#include "generator/assembly.h"
#include "search/conditions.h"
#include "worth/worth.h"

namespace vorneth::search {

// Tells whether the hoard of a seed meets the conditions. Only the DM list is made and valued,
// into storage kept from one seed to the next; the players' list and the exports are made for
// the hoards found alone. One filter serves one thread.
class HoardFilter {
 public:
  HoardFilter(const HoardRequest& request, worth::Exchange exchange, const Conditions& conditions);

  // Whether the request's hoard rolled with `seed` meets every condition.
  bool Meets(std::uint32_t seed);

 private:
  bool HoldsText(const std::string& words) const;

  HoardRequest request_;
  worth::Exchange exchange_;
  Conditions conditions_;
  worth::Copper leastWorth_;  // the conditions in the units of the valuation
  worth::Copper mostWorth_;
  std::int64_t mostCoins_;
  bool features_;  // whether any family, lot, map or curse is asked about
  DMLines dm_;
  worth::Valuation valuation_;
  std::string lower_;  // the DM list's text in lower case, for the text conditions
};

}  // namespace vorneth::search
