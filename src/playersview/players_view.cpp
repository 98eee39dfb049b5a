#include "playersview/players_view.h"

namespace vorneth::playersview {

// Interim: the players' view rewrites arrive with the players' view issue.
std::vector<std::string> ParsePlayers(const std::vector<std::string>& dmLines) {
  return dmLines;
}
void ParseSubs(std::string&) {}
void ParseTrunc(std::string&) {}
void ParseGems(std::string&) {}

}  // namespace vorneth::playersview
