#pragma once

namespace vorneth::platform {

// Which of the report's two stored lists an operation works on.
enum class ListKind { DM, Players };

// The heading of a saved or printed list.
constexpr const char* ListHeading(ListKind kind) {
  return kind == ListKind::DM ? "DM's List" : "Player's List";
}

}  // namespace vorneth::platform
