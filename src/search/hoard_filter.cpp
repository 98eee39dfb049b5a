#include "search/hoard_filter.h"

#include <algorithm>
#include <limits>

#include "core/random_source.h"
#include "search/features.h"
#include "search/lower_case.h"

namespace vorneth::search {

namespace {

constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();

}  // namespace

HoardFilter::HoardFilter(const HoardRequest& request, worth::Exchange exchange,
                         const Conditions& conditions)
    : request_(request),
      exchange_(exchange),
      conditions_(conditions),
      leastWorth_(conditions.worthMinGp.value_or(0) * worth::CopperPerGold(exchange)),
      mostWorth_(conditions.worthMaxGp ? *conditions.worthMaxGp * worth::CopperPerGold(exchange)
                                       : kNoLimit),
      mostCoins_(conditions.maxWeightLb ? *conditions.maxWeightLb * worth::kCoinsPerPound
                                        : kNoLimit),
      features_((conditions.with | conditions.without) != 0) {}

bool HoardFilter::Meets(std::uint32_t seed) {
  RandomSource random(seed);
  AssembleDMList(request_, random, ",", dm_);
  worth::ValueList(dm_.lines, ",", exchange_, valuation_);
  const worth::Totals& totals = valuation_.totals;
  const worth::Copper total = totals.totalValue();
  if (total < leastWorth_ || total > mostWorth_ || totals.coinCount() > mostCoins_) {
    return false;
  }
  if (features_) {
    const FeatureSet features = FeaturesOf(dm_, valuation_);
    if ((features & conditions_.with) != conditions_.with ||
        (features & conditions_.without) != 0) {
      return false;
    }
  }
  if (conditions_.withText.empty() && conditions_.withoutText.empty()) {
    return true;
  }
  lower_.assign(dm_.lines.Text());
  std::transform(lower_.begin(), lower_.end(), lower_.begin(), [](char c) { return LowerCase(c); });
  return std::all_of(conditions_.withText.begin(), conditions_.withText.end(),
                     [this](const std::string& words) { return HoldsText(words); }) &&
         std::none_of(conditions_.withoutText.begin(), conditions_.withoutText.end(),
                      [this](const std::string& words) { return HoldsText(words); });
}

// Whether one line holds the words: each line of the lower-case text in turn, so that no match
// runs from one line into the next.
bool HoardFilter::HoldsText(const std::string& words) const {
  const std::string_view text(lower_);
  for (std::size_t i = 0; i < dm_.lines.size(); ++i) {
    const auto start = static_cast<std::size_t>(dm_.lines[i].data() - dm_.lines.Text().data());
    if (text.substr(start, dm_.lines[i].size()).find(words) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

}  // namespace vorneth::search
