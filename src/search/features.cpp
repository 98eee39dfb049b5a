#include "search/features.h"

namespace vorneth::search {

namespace {

constexpr std::string_view kCurseMarker = "Cursed";

// The marker stands alone: after a blank or "(", before a blank, ")" or the line's end.
bool HasCurseMarker(std::string_view line) {
  for (std::size_t at = line.find(kCurseMarker); at != std::string_view::npos;
       at = line.find(kCurseMarker, at + 1)) {
    const std::size_t end = at + kCurseMarker.size();
    const bool opens = at > 0 && (line[at - 1] == ' ' || line[at - 1] == '(');
    const bool closes = end == line.size() || line[end] == ' ' || line[end] == ')';
    if (opens && closes) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool IsCursedItem(std::string_view line, const LineOrigin& origin) {
  return origin.family != Family::None && HasCurseMarker(line);
}

FeatureSet FeaturesOf(const DMLines& dm, const worth::Valuation& valuation) {
  FeatureSet features = valuation.totals.maps > 0 ? Bit(Feature::Map) : 0;
  for (std::size_t i = 0; i < valuation.lines.size(); ++i) {
    switch (valuation.lines[i].kind) {
      case worth::LineKind::Gems:
        features |= Bit(Feature::Gems);
        break;
      case worth::LineKind::Jewelry:
        features |= Bit(Feature::Jewelry);
        break;
      case worth::LineKind::Magic:
        if (const LineOrigin& origin = dm.origins[i]; origin.family != Family::None) {
          features |= Bit(FamilyFeature(origin.family));
          features |= IsCursedItem(dm.lines[i], origin) ? Bit(Feature::Cursed) : 0;
        }
        break;
      default:
        break;
    }
  }
  return features;
}

}  // namespace vorneth::search
