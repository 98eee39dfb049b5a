// Arbitrary bytes as a game master's table file, its shape chosen by the first byte (an
// extension, or none so the text decides). Besides memory and undefined-behaviour faults this
// checks what must hold for any file: every fault is one line that names the file; a set
// without fault draws lines of one line each, and its odds are refused in one line or add up
// to exactly 1.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "formats/table_file.h"
#include "tables/check.h"
#include "tables/draw.h"
#include "tables/odds.h"

namespace {

void CheckLine(const std::string& line, std::string_view file) {
  if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos ||
      !line.starts_with(file)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  constexpr std::array<std::string_view, 4> kExtensions = {".json", ".csv", ".txt", ""};
  const std::string_view extension = kExtensions[data[0] % kExtensions.size()];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const vorneth::formats::TableSource source{"fuzz" + std::string(extension), "fuzz",
                                             std::string(extension)};

  vorneth::tables::TableSet set;
  std::vector<std::string> faults;
  vorneth::formats::ReadTableFile(source, text, set, faults);
  for (const std::string& fault : vorneth::tables::CheckTables(set)) {
    faults.push_back(fault);
  }
  for (const std::string& fault : faults) {
    CheckLine(fault, source.shown);
  }
  if (!faults.empty() || set.empty()) {
    return 0;
  }
  const std::size_t top = vorneth::tables::TopTable(set);
  const vorneth::tables::TableDraws draws(set);
  vorneth::RandomSource random(static_cast<std::uint32_t>(size));
  for (int i = 0; i < 20; ++i) {
    if (draws.Draw(top, random).find('\n') != std::string::npos) {
      std::abort();
    }
  }
  const vorneth::tables::TableOddsResult odds = vorneth::tables::TableOdds(set, top);
  if (!odds.fault.empty()) {
    CheckLine(odds.fault, source.shown);
    return 0;
  }
  vorneth::tables::Fraction sum;
  for (const vorneth::tables::Outcome& outcome : odds.outcomes) {
    const auto next = vorneth::tables::Plus(sum, outcome.chance);
    if (!next) {
      return 0;  // the sum itself outgrows 64 bits
    }
    sum = *next;
  }
  if (sum != vorneth::tables::Fraction{1, 1}) {
    std::abort();
  }
  return 0;
}
