// The conditions of a search as a game master would say them.
#include "core/number_text.h"
#include "search/conditions.h"
#include "worth/worth.h"

namespace vorneth::search {

namespace {

// "a", "a and b", "a, b and c" ("or" for things refused).
std::string Listed(const std::vector<std::string>& parts, std::string_view last) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0 && i + 1 == parts.size()) {
      text.append(" ").append(last).append(" ");
    } else if (i > 0) {
      text.append(", ");
    }
    text += parts[i];
  }
  return text;
}

// What a hoard is to hold ("with") or to lack ("without").
std::vector<std::string> Things(FeatureSet features, const std::vector<std::string>& texts,
                                Quote quote) {
  std::vector<std::string> things;
  for (std::size_t f = 0; f < kFeatureCount; ++f) {
    if ((features >> f & 1u) != 0) {
      things.emplace_back(kFeatureNames[f].words);
    }
  }
  for (const std::string& text : texts) {
    things.push_back("a line holding \"" + (quote ? quote(text) : text) + "\"");
  }
  return things;
}

}  // namespace

std::string ConditionsWords(const Conditions& conditions, std::string_view separator, Quote quote) {
  std::vector<std::string> parts;
  const auto gp = [separator](std::int64_t amount) { return NumberText(amount, separator); };
  const std::optional<std::int64_t>& min = conditions.worthMinGp;
  const std::optional<std::int64_t>& max = conditions.worthMaxGp;
  if (min && max) {
    parts.push_back("worth " + gp(*min) + " to " + gp(*max) + " gp");
  } else if (min || max) {
    parts.push_back(std::string("worth at ") + (min ? "least " : "most ") + gp(min ? *min : *max) +
                    " gp");
  }
  if (conditions.maxWeightLb) {
    parts.push_back("coins of at most " +
                    worth::WeightText(*conditions.maxWeightLb * worth::kCoinsPerPound, separator));
  }
  if (auto with = Things(conditions.with, conditions.withText, quote); !with.empty()) {
    parts.push_back("with " + Listed(with, "and"));
  }
  if (auto without = Things(conditions.without, conditions.withoutText, quote); !without.empty()) {
    parts.push_back("without " + Listed(without, "or"));
  }
  if (parts.empty()) {
    return "no condition";
  }
  std::string words = parts[0];
  for (std::size_t i = 1; i < parts.size(); ++i) {
    words += ", " + parts[i];
  }
  return words;
}

}  // namespace vorneth::search
