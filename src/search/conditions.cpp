#include "search/conditions.h"

#include <algorithm>

#include "search/lower_case.h"

namespace vorneth::search {

namespace {

std::string Quoted(std::string_view text, Quote quote) {
  std::string quoted(1, '\'');
  quoted.append(quote ? quote(text) : std::string(text)).push_back('\'');
  return quoted;
}

// A whole number from 0 to kMostAmount, digits only.
std::optional<std::int64_t> Amount(std::string_view text) {
  if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != text.npos) {
    return std::nullopt;
  }
  std::int64_t value = 0;
  for (const char c : text) {
    value = value * 10 + (c - '0');
  }
  return value;
}

// The names --with and --without take, for a message.
std::string WhatNames() {
  std::string names;
  for (const FeatureName& feature : kFeatureNames) {
    names.append(feature.name).append(", ");
  }
  names.resize(names.size() - 2);
  return names + " or " + std::string(kTextPrefix) + "WORDS";
}

std::string AddWhat(Conditions& conditions, ConditionOption option, std::string_view value,
                    Quote quote) {
  const bool with = option == ConditionOption::With;
  const std::string what = LowerCase(value);
  if (what.starts_with(kTextPrefix)) {
    if (what.size() == kTextPrefix.size()) {
      return std::string(OptionName(option)) + " " + std::string(kTextPrefix) +
             " needs the words to look for";
    }
    (with ? conditions.withText : conditions.withoutText)
        .push_back(what.substr(kTextPrefix.size()));
    return {};
  }
  const auto found = std::find_if(kFeatureNames.begin(), kFeatureNames.end(),
                                  [&what](const FeatureName& f) { return f.name == what; });
  if (found == kFeatureNames.end()) {
    return std::string(OptionName(option)) + " takes " + WhatNames() + ", not " +
           Quoted(value, quote);
  }
  const FeatureSet bit = FeatureSet{1} << (found - kFeatureNames.begin());
  (with ? conditions.with : conditions.without) |= bit;
  return {};
}

}  // namespace

std::string AddCondition(Conditions& conditions, ConditionOption option, std::string_view value,
                         Quote quote) {
  if (option == ConditionOption::With || option == ConditionOption::Without) {
    return AddWhat(conditions, option, value, quote);
  }
  const std::optional<std::int64_t> amount = Amount(value);
  const bool weight = option == ConditionOption::MaxWeight;
  if (!amount) {
    return std::string(OptionName(option)) + " takes a whole number of " +
           (weight ? "pounds" : "gold pieces") + " from 0 to " + std::to_string(kMostAmount) +
           ", not " + Quoted(value, quote);
  }
  (option == ConditionOption::WorthMin   ? conditions.worthMinGp
   : option == ConditionOption::WorthMax ? conditions.worthMaxGp
                                         : conditions.maxWeightLb) = amount;
  return {};
}

std::string ConditionsProblem(const Conditions& conditions, Quote quote) {
  const std::optional<std::int64_t>& min = conditions.worthMinGp;
  const std::optional<std::int64_t>& max = conditions.worthMaxGp;
  if (min && max && *min > *max) {
    return "--worth-min " + std::to_string(*min) + " is above --worth-max " + std::to_string(*max) +
           ": no hoard is worth both";
  }
  const auto opposites = [](std::string_view with, std::string_view without) {
    return "--with " + std::string(with) + " and --without " + std::string(without) +
           " ask for opposites";
  };
  if (const FeatureSet both = conditions.with & conditions.without; both != 0) {
    for (std::size_t f = 0; f < kFeatureCount; ++f) {
      if ((both >> f & 1u) != 0) {
        return opposites(kFeatureNames[f].name, kFeatureNames[f].name);
      }
    }
  }
  // A line holding the wanted words holds every part of them too.
  for (const std::string& with : conditions.withText) {
    for (const std::string& without : conditions.withoutText) {
      if (with.find(without) != std::string::npos) {
        const std::string prefix(kTextPrefix);
        return opposites(Quoted(prefix + with, quote), Quoted(prefix + without, quote));
      }
    }
  }
  return {};
}

}  // namespace vorneth::search
