#pragma once

#include "core/hoard_request.h"

namespace vorneth::bench {

// The largest request the request form admits: every treasure type and every custom amount at
// its maximum.
inline HoardRequest LargestRequest() {
  HoardRequest request;
  request.TypeCount.fill(kMaxTypeCount);
  request.CustMagic = kMaxCustMagic;
  request.CustCoins = kMaxCustCoins;
  request.CustGems = kMaxCustGems;
  request.CustJewelry = kMaxCustJewelry;
  return request;
}

}  // namespace vorneth::bench
