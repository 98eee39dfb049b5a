#include "generator/assembly.h"

#include <algorithm>
#include <cstddef>

#include "core/generator.h"
#include "core/line_forms.h"
#include "generator/gems_jewelry.h"
#include "generator/magic_selection.h"
#include "generator/treasure_types.h"

namespace vorneth {

namespace {

// The room a new list reserves, so that it is allocated once rather than grown step by step:
// room for a typical hoard (a lair type has up to about a dozen lines), and for a large request
// a little more than a repetition of a treasure type and a custom magic item add on average.
// Only a capacity, never a limit. A list written over an earlier one keeps the room it had.
constexpr std::size_t kLinesOfATypicalHoard = 16;
constexpr std::size_t kLinesPerType = 3;
constexpr std::size_t kLinesPerMagicItem = 2;
// A DM line holds some 30 bytes on average.
constexpr std::size_t kBytesPerLine = 32;

std::size_t LinesExpected(const HoardRequest& request) {
  std::size_t lines = kLinesOfATypicalHoard;
  for (const int count : request.TypeCount) {
    lines += static_cast<std::size_t>(std::max(count, 0)) * kLinesPerType;
  }
  return lines + static_cast<std::size_t>(std::max(request.CustMagic, 0)) * kLinesPerMagicItem;
}

bool IsBlankOrControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

}  // namespace

std::string HoardCaption(std::string_view title) {
  for (char c : title) {
    if (!IsBlankOrControl(c)) {
      return "Vorneth - " + std::string(title);
    }
  }
  return "Vorneth";
}

DMLines AssembleDMList(const HoardRequest& request, RandomSource& random,
                       std::string_view separator) {
  DMLines dm;
  const std::size_t expected = LinesExpected(request);
  dm.lines.reserve(expected, expected * kBytesPerLine);
  dm.origins.reserve(expected);
  AssembleDMList(request, random, separator, dm);
  return dm;
}

void AssembleDMList(const HoardRequest& request, RandomSource& random, std::string_view separator,
                    DMLines& dm) {
  Generator g(random, std::string(separator), dm.lines, dm.origins);
  for (int i = 0; i < request.CustMagic; ++i) {
    AnyMagicItem(g);
  }
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (request.Count(letter) > 0) {
      DoType(g, letter, request.Count(letter));
    }
  }
  if (request.CustCoins > 0) {
    std::string& line = g.NewLine();
    g.AppendNumberText(line, request.CustCoins);
    line += " Gold coins";
  }
  if (request.CustGems > 0) {
    AddGemLotLine(g, request.CustGems);
  }
  if (request.CustJewelry > 0) {
    AddJewelryLotLine(g, request.CustJewelry);
  }
  if (g.LineCount() == 0) {
    g.AddLine(kNothingFound);
  }
}

}  // namespace vorneth
