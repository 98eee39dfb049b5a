// Arbitrary bytes, split into lines at '\n', through the players' view derivation. Besides
// memory and undefined-behaviour faults this checks what must hold for any input: no line is
// added, a line is dropped only when it holds " plus ", and the derived list matches the one
// built by applying the three rewrites to each line separately and the one the plain ordered
// scan of the tests' reference derivation gives.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "playersview/players_view.h"
// The fuzz target's include path reaches src/ only; the reference scan is shared with the tests.
#include "../tests/support/players_view_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  vorneth::LineList dm;
  std::size_t begin = 0;
  while (begin <= input.size()) {
    const std::size_t end = std::min(input.find('\n', begin), input.size());
    dm.push_back(input.substr(begin, end - begin));
    begin = end + 1;
  }

  const vorneth::LineList players = vorneth::playersview::ParsePlayers(dm);

  vorneth::LineList stepwise;
  for (const std::string_view dmLine : dm) {
    std::string line(dmLine);
    if (line.find(" plus ") != std::string::npos) {
      continue;
    }
    vorneth::playersview::ParseSubs(line);
    vorneth::playersview::ParseTrunc(line);
    vorneth::playersview::ParseGems(line);
    stepwise.push_back(line);
  }
  if (players.size() > dm.size() || players != stepwise ||
      players != vorneth::playersview::reference::Players(dm)) {
    std::abort();
  }
  return 0;
}
