#pragma once

namespace vorneth::platform {

// Which of the report's two stored lists an operation works on.
enum class ListKind { DM, Players };

// The heading of a saved or printed list.
constexpr const char* ListHeading(ListKind kind) {
  return kind == ListKind::DM ? "DM's List" : "Player's List";
}

// The File menu's items for the list, also the save dialog's title.
constexpr const char* SaveItemText(ListKind kind) {
  return kind == ListKind::DM ? "Save DMs List As" : "Save Players List As";
}
constexpr const char* PrintItemText(ListKind kind) {
  return kind == ListKind::DM ? "Print DMs List" : "Print Players List";
}

}  // namespace vorneth::platform
